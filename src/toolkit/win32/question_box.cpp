// The Yes/No question box: the system's own, or the desktop's answer where one is offered.
#include <windows.h>

#include <string>

#include "toolkit/backend.h"
#include "toolkit/desktop/desktop_answers.h"
#include "toolkit/desktop/desktop_link.h"

namespace toolkit::backend {

bool ask_question(void* owner_window, std::u16string_view text, std::u16string_view caption) {
  const HWND owner = static_cast<HWND>(owner_window);
  // Where the stand-in's desktop is offered, its queue answers for the user, as for any dialog.
  if (desktop::desktop_offered()) return desktop::answer_question(text, caption);
  const std::u16string text_z(text);
  const std::u16string caption_z(caption);
  return MessageBoxW(IsWindow(owner) ? owner : nullptr, reinterpret_cast<const wchar_t*>(text_z.c_str()),
                     reinterpret_cast<const wchar_t*>(caption_z.c_str()),
                     MB_YESNO | MB_ICONQUESTION) == IDYES;
}

}  // namespace toolkit::backend
