// Driving the real windows with the desktop's answers.
#include "toolkit/win32/desktop_input.h"

#include <dlgs.h>

#include "platform/utf8.h"
#include "toolkit/desktop/desktop_link.h"
#include "toolkit/desktop/display_list.h"
#include "toolkit/form.h"
#include "toolkit/form_painter.h"
#include "toolkit/popup_menu.h"
#include "toolkit/widgets.h"
#include "toolkit/win32/dpi.h"

namespace toolkit::win32 {
namespace {

void post_character(HWND window, char16_t character) { PostMessageW(window, WM_CHAR, character, 1); }

// The file dialog's hook: once the dialog stands ready, its name field gets the answer and OK is
// pressed, or Cancel is.
UINT_PTR CALLBACK file_dialog_hook(HWND hook_window, UINT message, WPARAM, LPARAM l) {
  switch (message) {
    case WM_INITDIALOG:
      SetWindowLongPtrW(hook_window, GWLP_USERDATA, reinterpret_cast<const OPENFILENAMEW*>(l)->lCustData);
      return TRUE;
    case WM_NOTIFY:
      // Posted, so that the dialog finishes setting itself up before it is answered.
      if (reinterpret_cast<const OFNOTIFYW*>(l)->hdr.code == CDN_INITDONE)
        PostMessageW(hook_window, desktop_answer_message, 0, 0);
      return 0;
    case desktop_answer_message: {
      const auto* answer =
          reinterpret_cast<const FileDialogAnswer*>(GetWindowLongPtrW(hook_window, GWLP_USERDATA));
      const HWND dialog = GetParent(hook_window);
      if (answer != nullptr && answer->path) {
        // The name field is a combo box in newer dialogs and an edit field in older ones.
        for (const int field : {cmb13, edt1}) {
          SendMessageW(dialog, CDM_SETCONTROLTEXT, field, reinterpret_cast<LPARAM>(answer->path->c_str()));
        }
      }
      if (answer != nullptr) desktop::desktop_dialog_filled(answer->dialog, dialog, {});
      const int button = answer != nullptr && answer->path ? IDOK : IDCANCEL;
      PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                   reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
      return TRUE;
    }
    default: return 0;
  }
}

HHOOK message_box_hook = nullptr;

// After the box's first painting (timers come after paint messages): the desktop sees it, then OK.
void CALLBACK confirm_message_box(HWND box, UINT, UINT_PTR timer, DWORD) {
  KillTimer(box, timer);
  desktop::desktop_dialog_filled("message", box, {});
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
}

LRESULT CALLBACK watch_for_message_box(int code, WPARAM w, LPARAM l) {
  if (code == HCBT_ACTIVATE) {
    UnhookWindowsHookEx(message_box_hook);
    message_box_hook = nullptr;
    SetTimer(reinterpret_cast<HWND>(w), 1, 0, &confirm_message_box);
    return 0;
  }
  return CallNextHookEx(nullptr, code, w, l);
}

}  // namespace

void confirm_next_message_box() {
  if (message_box_hook == nullptr)
    message_box_hook = SetWindowsHookExW(WH_CBT, &watch_for_message_box, nullptr, GetCurrentThreadId());
}

void post_desktop_answer(HWND window, Form& form) {
  const std::optional<std::string> answer = desktop::desktop_answer(form.name());
  if (answer && form.text_input != nullptr) {
    // The user's backspaces first: the field's text goes, as when it is selected and typed over.
    for (std::size_t i = 0; i < form.text_input->text().size(); ++i) post_character(window, u'\b');
    for (const char16_t character : platform::from_utf8(*answer)) post_character(window, character);
  }
  PostMessageW(window, desktop_answer_message, answer.has_value() ? 1 : 0, 0);
}

void finish_desktop_answer(HWND window, Form& form, bool confirm) {
  desktop::desktop_dialog_filled(form.name(), window, desktop::paint_form(form));
  Button* accept = form.accept_button;
  if (confirm && form.text_input != nullptr && accept != nullptr && accept->enabled()) {
    const Rect place = rect_on_form(*accept);
    const LPARAM centre =
        MAKELPARAM(scaled(place.left + place.width / 2), scaled(place.top + place.height / 2));
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, centre);
    SendMessageW(window, WM_LBUTTONUP, 0, centre);
  }
  if (form.modal_result() == ModalResult::none) PostMessageW(window, WM_CLOSE, 0, 0);
}

void post_menu_keys(HWND window, const PopupMenu& menu, const std::string& item) {
  const auto post_key = [window](WPARAM key) {
    PostMessageW(window, WM_KEYDOWN, key, 1);
    PostMessageW(window, WM_KEYUP, key, 0xC0000001);
  };
  int downs = 0;
  for (const auto& entry : menu.items()) {
    if (entry->separator || !entry->enabled) continue;
    ++downs;
    if (entry->name != item) continue;
    for (int i = 0; i < downs; ++i) post_key(VK_DOWN);
    post_key(VK_RETURN);
    return;
  }
  post_key(VK_ESCAPE);
}

FileDialogAnswer take_file_dialog_answer(bool open) {
  const std::string dialog = open ? "open" : "save";
  const std::optional<std::string> answer = desktop::desktop_answer(dialog);
  if (!answer) return {dialog, std::nullopt};
  const std::u16string path = platform::from_utf8(*answer);
  return {dialog, std::wstring(path.begin(), path.end())};
}

void drive_file_dialog(OPENFILENAMEW& request, FileDialogAnswer& answer) {
  request.Flags |= OFN_ENABLEHOOK;
  // The answer is taken as given, as the headless desktop takes it: no prompt about missing files.
  request.Flags &= ~static_cast<DWORD>(OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST);
  request.lpfnHook = &file_dialog_hook;
  request.lCustData = reinterpret_cast<LPARAM>(&answer);
}

}  // namespace toolkit::win32
