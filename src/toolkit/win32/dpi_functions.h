// The system's functions for per-monitor dots per inch, looked up by name: they are missing before
// Windows 10 (1607) or 8.1, where the plug-in must still load and falls back to the system's dpi.
#pragma once

#include <windows.h>

namespace toolkit::win32 {

struct DpiFunctions {
  // user32: GetDpiForWindow, SetThreadDpiAwarenessContext, AdjustWindowRectExForDpi.
  UINT(WINAPI* dpi_for_window)(HWND) = nullptr;
  HANDLE(WINAPI* set_thread_awareness)(HANDLE) = nullptr;
  BOOL(WINAPI* adjust_rect_for_dpi)(RECT*, DWORD, BOOL, DWORD, UINT) = nullptr;
  // shcore: GetDpiForMonitor.
  HRESULT(WINAPI* dpi_for_monitor)(HMONITOR, int, UINT*, UINT*) = nullptr;
};

// Looked up on first use; a function the system lacks stays null.
const DpiFunctions& dpi_functions();

// While it lives, the thread is per-monitor aware (v2) where the system knows that, so that the
// windows it makes scale by their own monitor and their coordinates are the monitor's pixels; the
// thread's previous context comes back after.
class PerMonitorAware {
 public:
  PerMonitorAware();
  ~PerMonitorAware();
  PerMonitorAware(const PerMonitorAware&) = delete;
  PerMonitorAware& operator=(const PerMonitorAware&) = delete;

 private:
  HANDLE previous_ = nullptr;
};

}  // namespace toolkit::win32
