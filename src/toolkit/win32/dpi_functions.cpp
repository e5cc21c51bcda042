// The per-monitor dpi functions by name, from user32 and shcore.
#include "toolkit/win32/dpi_functions.h"

namespace toolkit::win32 {
namespace {

// DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2, which older headers lack.
const HANDLE per_monitor_aware_v2 = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4));

template <class Function>
void look_up(HMODULE module, const char* name, Function& function) {
  if (module == nullptr) return;
  // GetProcAddress answers with a generic function pointer; the signature is the documented one.
  function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

DpiFunctions look_up_all() {
  DpiFunctions found;
  const HMODULE user32 = GetModuleHandleW(L"user32.dll");
  look_up(user32, "GetDpiForWindow", found.dpi_for_window);
  look_up(user32, "SetThreadDpiAwarenessContext", found.set_thread_awareness);
  look_up(user32, "AdjustWindowRectExForDpi", found.adjust_rect_for_dpi);
  // From the system's folder only; kept loaded for the process, as the system's libraries are.
  HMODULE shcore = GetModuleHandleW(L"shcore.dll");
  if (shcore == nullptr) shcore = LoadLibraryExW(L"shcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  look_up(shcore, "GetDpiForMonitor", found.dpi_for_monitor);
  return found;
}

}  // namespace

const DpiFunctions& dpi_functions() {
  static const DpiFunctions functions = look_up_all();
  return functions;
}

PerMonitorAware::PerMonitorAware() {
  if (const auto set = dpi_functions().set_thread_awareness) previous_ = set(per_monitor_aware_v2);
}

PerMonitorAware::~PerMonitorAware() {
  if (previous_ != nullptr) dpi_functions().set_thread_awareness(previous_);
}

}  // namespace toolkit::win32
