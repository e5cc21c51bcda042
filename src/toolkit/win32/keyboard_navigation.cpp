// Tab and the other dialog keys in the forms. The viewer's message loop never calls
// IsDialogMessage for the plug-in's windows, so a hook on the thread's messages does, for the
// keyboard messages of a form's window and its controls, before the loop dispatches them.
#include <windows.h>

#include "toolkit/win32/guarded.h"
#include "toolkit/win32/native_windows.h"

namespace toolkit::win32 {
namespace {

HHOOK hook = nullptr;

bool is_edit_field(HWND window) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  return lstrcmpiW(name, L"Edit") == 0;
}

LRESULT CALLBACK on_message_taken(int code, WPARAM w, LPARAM l) {
  if (code == HC_ACTION && w == PM_REMOVE) {
    guarded(false, [l] {
      auto* message = reinterpret_cast<MSG*>(l);
      if (message->message < WM_KEYFIRST || message->message > WM_KEYLAST || message->hwnd == nullptr)
        return false;
      const HWND form = GetAncestor(message->hwnd, GA_ROOT);
      if (!is_form_window(form)) return false;
      // The system's edit field selects all with Ctrl+A only in its newer version, which a plug-in
      // without a manifest of its own does not get.
      if (message->message == WM_KEYDOWN && message->wParam == 'A' && GetKeyState(VK_CONTROL) < 0 &&
          is_edit_field(message->hwnd)) {
        SendMessageW(message->hwnd, EM_SETSEL, 0, -1);
        message->message = WM_NULL;
        return true;
      }
      // IsDialogMessage has dispatched the message itself: the loop gets nothing to dispatch.
      if (!IsDialogMessageW(form, message)) return false;
      message->message = WM_NULL;
      return true;
    });
  }
  return CallNextHookEx(hook, code, w, l);
}

}  // namespace

void start_keyboard_navigation() {
  if (hook == nullptr)
    hook = SetWindowsHookExW(WH_GETMESSAGE, &on_message_taken, nullptr, GetCurrentThreadId());
}

void stop_keyboard_navigation() {
  if (hook != nullptr) UnhookWindowsHookEx(hook);
  hook = nullptr;
}

}  // namespace toolkit::win32
