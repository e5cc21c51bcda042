// The user's answers from the desktop's queue, for every backend: when a program offers a desktop
// (the stand-in viewer and its tests), its queue answers the dialogs instead of the user.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/key_strokes.h"

namespace toolkit {
class Form;
class FileDialog;
}  // namespace toolkit

namespace toolkit::desktop {

// The keys queued for this dialog, when they were queued before its own answer.
std::optional<std::vector<KeyStroke>> queued_keys(std::string_view dialog);
// Says on the desktop that a dialog was still open after its keys, and so was cancelled.
void say_left_open(std::string_view dialog);

// The next answer for a modal form: typed into its text field, then its accept button (when
// enabled), or the queued keys typed into it; with no answer the form is cancelled.
void answer_form(Form& form);
// True when the answer confirms the dialog; the dialog then holds the answer.
bool answer_file_dialog(FileDialog& dialog);
// A message box, closed by Enter, Space or Esc among the queued keys.
void answer_message_box();

// The next answer to a question box ("yes" or "no"), told to the desktop with the question; with
// none queued the answer is no, the choice that changes nothing.
bool answer_question(std::u16string_view text, std::u16string_view caption);

}  // namespace toolkit::desktop
