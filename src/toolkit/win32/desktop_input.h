// The desktop's answers given to the real windows: a modal form's answer is typed into its window
// and its accept button pressed, a file dialog's name is put into the system's dialog and its OK
// pressed, all by messages, so the windows' own code runs as it does for the user.
#pragma once

#include <windows.h>

#include <commdlg.h>

#include <optional>
#include <string>

namespace toolkit {
class Form;
class PopupMenu;
}  // namespace toolkit

namespace toolkit::win32 {

// The message that ends a desktop answer in a form's window (after the typed characters).
constexpr UINT desktop_answer_message = WM_APP + 1;

// Queues the next answer for the form as messages to its window: the field's text erased, the
// answer typed, then desktop_answer_message.
void post_desktop_answer(HWND window, Form& form);
// Handles desktop_answer_message: the desktop sees the filled dialog, then the accept button is
// pressed (confirm) or the window closed.
void finish_desktop_answer(HWND window, Form& form, bool confirm);

// Posts the keys that choose the named item of a context menu about to open: Down to each enabled
// item up to it, then Enter; Escape when it is not there or disabled.
void post_menu_keys(HWND window, const PopupMenu& menu, const std::string& item);

// Makes the next message box this thread opens tell the desktop it stands shown (as the dialog
// "message"), once it is painted, and then press its OK button.
void confirm_next_message_box();

// Prepares a file dialog request so that the next answer of its kind fills and confirms it (or
// cancels it); the answer lives in the returned holder, which must outlive the dialog.
struct FileDialogAnswer {
  std::string dialog;  // "open" or "save"
  std::optional<std::wstring> path;
};
FileDialogAnswer take_file_dialog_answer(bool open);
void drive_file_dialog(OPENFILENAMEW& request, FileDialogAnswer& answer);

}  // namespace toolkit::win32
