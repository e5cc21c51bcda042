// The user's answers from the desktop's queue, for every backend: when a program offers a desktop
// (the stand-in viewer and its tests), its queue answers the dialogs instead of the user.
#pragma once

namespace toolkit {
class Form;
class FileDialog;
}  // namespace toolkit

namespace toolkit::desktop {

// The next answer for a modal form: typed into its text field, then its accept button (when
// enabled); with no answer the form is cancelled.
void answer_form(Form& form);
// True when the answer confirms the dialog; the dialog then holds the answer.
bool answer_file_dialog(FileDialog& dialog);

}  // namespace toolkit::desktop
