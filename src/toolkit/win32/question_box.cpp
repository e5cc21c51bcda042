// The Yes/No question box: the system's own; where the stand-in's desktop is offered its queue
// answers for the user, on a display by pressing the real box's button.
#include <windows.h>

#include <string>

#include "toolkit/backend.h"
#include "toolkit/desktop/desktop_answers.h"
#include "toolkit/desktop/desktop_link.h"
#include "toolkit/win32/desktop_input.h"
#include "toolkit/win32/dpi_functions.h"
#include "toolkit/win32/modal_windows.h"

namespace toolkit::backend {

bool ask_question(void* owner_window, std::u16string_view text, std::u16string_view caption) {
  const HWND owner = static_cast<HWND>(owner_window);
  if (desktop::desktop_offered()) {
    const bool yes = desktop::answer_question(text, caption);
    // Without a display there is no box to show: the queued answer is the user's.
    if (!IsWindow(owner)) return yes;
    win32::answer_next_box("question", yes ? IDYES : IDNO, std::nullopt);
  }
  const std::u16string text_z(text);
  const std::u16string caption_z(caption);
  const HWND box_owner = IsWindow(owner) ? owner : nullptr;
  const win32::DisabledWindows others(nullptr, box_owner);
  const win32::PerMonitorAware aware;
  return MessageBoxW(box_owner, reinterpret_cast<const wchar_t*>(text_z.c_str()),
                     reinterpret_cast<const wchar_t*>(caption_z.c_str()),
                     MB_YESNO | MB_ICONQUESTION) == IDYES;
}

}  // namespace toolkit::backend
