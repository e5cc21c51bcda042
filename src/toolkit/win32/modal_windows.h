// Modality as the system's dialogs have it for their owner chain, for every window of the viewer's
// thread: while a dialog of the plug-in stands open, the viewer's main window and every other
// window of the thread are disabled.
#pragma once

#include <windows.h>

#include <vector>

namespace toolkit::win32 {

class DisabledWindows {
 public:
  // Disables the thread's visible, enabled top-level windows and the plug-in's hidden forms, the
  // dialog's own window excepted.
  explicit DisabledWindows(HWND dialog);
  // Enables them again, in the reverse order.
  ~DisabledWindows();
  DisabledWindows(const DisabledWindows&) = delete;
  DisabledWindows& operator=(const DisabledWindows&) = delete;

 private:
  std::vector<HWND> disabled_;
};

}  // namespace toolkit::win32
