// The desktop's hands on the real windows: answers typed into a form's field and its button
// pressed, a file dialog filled and confirmed, a message box confirmed, all by the windows' own
// messages; and the desktop's keys typed as keyboard input, one stroke after the other has been
// taken, so the windows' own handling (the controls, Tab, the dialog keys) runs as for the user.
#pragma once

#include <windows.h>

#include <commdlg.h>

#include <optional>
#include <string>
#include <vector>

#include "toolkit/key_strokes.h"

namespace toolkit {
class Form;
class PopupMenu;
}  // namespace toolkit

namespace toolkit::win32 {

// The message that ends a desktop answer in a form's window (after the typed characters).
constexpr UINT desktop_answer_message = WM_APP + 1;

// Starts the desktop's answer to a modal form: its queued keys, else its answer typed into its
// text field, then desktop_answer_message.
void post_desktop_answer(HWND window, Form& form);
// Handles desktop_answer_message: the desktop sees the filled dialog, then the accept button is
// pressed (confirm) or the window closed.
void finish_desktop_answer(HWND window, Form& form, bool confirm);

// Posts the keys that choose the named item of a context menu about to open: Down to each enabled
// item up to it, then Enter; Escape when it is not there or disabled.
void post_menu_keys(HWND window, const PopupMenu& menu, const std::string& item);

// Makes the next message or question box this thread opens answered from the desktop: the keys
// typed into it when there are any, else, once it is painted, the desktop told it stands shown (as
// the dialog of that name) and the button pressed.
void answer_next_box(std::string dialog, int button, std::optional<std::vector<KeyStroke>> keys);

// Prepares a file dialog request so that the next answer of its kind fills and confirms it (or
// cancels it), or the queued keys are typed into it; the answer lives in the returned holder,
// which must outlive the dialog.
struct FileDialogAnswer {
  std::string dialog;  // "open" or "save"
  std::optional<std::wstring> path;
  std::optional<std::vector<KeyStroke>> keys;
};
FileDialogAnswer take_file_dialog_answer(bool open);
void drive_file_dialog(OPENFILENAMEW& request, FileDialogAnswer& answer);

// Types the strokes into a dialog that stands open, one for each turn of its message loop; when
// they are done and the dialog is still open, it is cancelled and the desktop told so. Keys typed
// into a dialog that this one stands over wait for it to close.
void type_into_dialog(HWND dialog, std::vector<KeyStroke> strokes, std::string name);
// Ends the typing into the dialog whose run has ended, and into every dialog that has closed; the
// keys of a dialog still open below them go on.
void stop_typing(HWND dialog = nullptr);
// Types the strokes into a form that is no dialog, and returns once every stroke is taken; they
// wait while a dialog stands over the form.
void type_into_form(HWND window, std::vector<KeyStroke> strokes);

}  // namespace toolkit::win32
