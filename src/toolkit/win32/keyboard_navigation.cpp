// Tab and the other dialog keys in the forms. The viewer's message loop never calls
// IsDialogMessage for the plug-in's windows, so a hook on the thread's messages takes the keyboard
// messages of the focused form before the loop dispatches them, and hands them to IsDialogMessage
// from the form's own window procedure.
#include <windows.h>

#include <deque>

#include "toolkit/win32/guarded.h"
#include "toolkit/win32/native_windows.h"

namespace toolkit::win32 {
namespace {

HHOOK hook = nullptr;

// The key messages taken by the hook, each with the number of the message that stands for it: a
// loop that took one and never dispatched it leaves it here, and it is dropped.
struct TakenKey {
  WPARAM number;
  MSG message;
};
std::deque<TakenKey> taken;
WPARAM next_number = 0;

bool is_edit_field(HWND window) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  return lstrcmpiW(name, L"Edit") == 0;
}

// While a menu is open its own loop reads the keys: none of them is the form's.
bool menu_open() {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(GetCurrentThreadId(), &info) &&
         (info.flags & (GUI_INMENUMODE | GUI_POPUPMENUMODE | GUI_SYSTEMMENUMODE)) != 0;
}

// A key message to the form that holds the focus becomes a message to the form's own window
// procedure, which hands the key to IsDialogMessage when the loop dispatches it: handling the key
// may run a dialog's whole modal loop, which must not run inside this hook. Changed in place, it
// keeps its turn among the other messages.
void take(MSG& message) {
  if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST || message.hwnd == nullptr) return;
  const HWND form = GetAncestor(message.hwnd, GA_ROOT);
  if (!is_form_window(form) || GetAncestor(GetFocus(), GA_ROOT) != form || menu_open()) return;
  // The system's edit field selects all with Ctrl+A only in its newer version, which a plug-in
  // without a manifest of its own does not get.
  if (message.message == WM_KEYDOWN && message.wParam == 'A' && GetKeyState(VK_CONTROL) < 0 &&
      is_edit_field(message.hwnd)) {
    SendMessageW(message.hwnd, EM_SETSEL, 0, -1);
    message.message = WM_NULL;
    return;
  }
  taken.push_back({++next_number, message});
  message = {form, dialog_key_message, next_number, 0, message.time, message.pt};
}

LRESULT CALLBACK on_message_taken(int code, WPARAM w, LPARAM l) {
  if (code == HC_ACTION && w == PM_REMOVE) {
    auto* message = reinterpret_cast<MSG*>(l);
    guarded(0, [message] {
      take(*message);
      return 0;
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
  taken.clear();
}

void handle_dialog_key(HWND form, WPARAM number) {
  while (!taken.empty() && taken.front().number < number) taken.pop_front();
  if (taken.empty() || taken.front().number != number) return;
  MSG message = taken.front().message;
  taken.pop_front();
  if (IsDialogMessageW(form, &message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

}  // namespace toolkit::win32
