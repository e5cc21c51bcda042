// Modality as the system's dialogs have it for their owner chain, for every window of the viewer's
// thread: while a dialog of the plug-in stands open, the viewer's main window and every other
// window of the thread are disabled.
#pragma once

#include <windows.h>

#include <vector>

namespace toolkit::win32 {

class DisabledWindows {
 public:
  // Disables the thread's visible, enabled top-level windows and the plug-in's hidden forms, but
  // the dialog's own window and the spared one: the owner of a system dialog, which disables it
  // itself and enables it again only when it found it enabled.
  explicit DisabledWindows(HWND dialog, HWND spared = nullptr);
  ~DisabledWindows();
  DisabledWindows(const DisabledWindows&) = delete;
  DisabledWindows& operator=(const DisabledWindows&) = delete;

  HWND dialog() const { return dialog_; }
  // Enables them again, in the reverse order; once.
  void enable();

 private:
  HWND dialog_;
  std::vector<HWND> disabled_;
};

// Enables the windows disabled behind a dialog of ours before its window is hidden or destroyed:
// the system then activates the dialog's owner, not another program's window.
void enable_windows_behind(HWND dialog);

}  // namespace toolkit::win32
