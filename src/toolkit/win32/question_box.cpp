// The Yes/No question box: the system's own; where the stand-in's desktop is offered its queue
// answers for the user, on a display by pressing the real box's button.
#include <windows.h>

#include <string>

#include "toolkit/backend.h"
#include "toolkit/desktop/desktop_answers.h"
#include "toolkit/desktop/desktop_link.h"
#include "toolkit/win32/guarded.h"
#include "toolkit/win32/modal_windows.h"

namespace toolkit::backend {
namespace {

HHOOK question_hook = nullptr;
int queued_button = IDNO;

// After the box's first painting (timers come after paint messages): the desktop sees it, then the
// queued button.
void CALLBACK press_queued_button(HWND box, UINT, UINT_PTR timer, DWORD) {
  KillTimer(box, timer);
  win32::guarded(0, [box] {
    desktop::desktop_dialog_filled("question", box, {});
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(queued_button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, queued_button)));
    return 0;
  });
}

LRESULT CALLBACK watch_for_question_box(int code, WPARAM w, LPARAM l) {
  if (code == HCBT_ACTIVATE) {
    UnhookWindowsHookEx(question_hook);
    question_hook = nullptr;
    SetTimer(reinterpret_cast<HWND>(w), 1, 0, &press_queued_button);
    return 0;
  }
  return CallNextHookEx(nullptr, code, w, l);
}

}  // namespace

bool ask_question(void* owner_window, std::u16string_view text, std::u16string_view caption) {
  const HWND owner = static_cast<HWND>(owner_window);
  if (desktop::desktop_offered()) {
    const bool yes = desktop::answer_question(text, caption);
    // Without a display there is no box to show: the queued answer is the user's.
    if (!IsWindow(owner)) return yes;
    queued_button = yes ? IDYES : IDNO;
    if (question_hook == nullptr)
      question_hook = SetWindowsHookExW(WH_CBT, &watch_for_question_box, nullptr, GetCurrentThreadId());
  }
  const std::u16string text_z(text);
  const std::u16string caption_z(caption);
  const win32::DisabledWindows others(nullptr);
  return MessageBoxW(IsWindow(owner) ? owner : nullptr, reinterpret_cast<const wchar_t*>(text_z.c_str()),
                     reinterpret_cast<const wchar_t*>(caption_z.c_str()),
                     MB_YESNO | MB_ICONQUESTION) == IDYES;
}

}  // namespace toolkit::backend
