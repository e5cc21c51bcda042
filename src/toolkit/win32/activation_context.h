// The library's own activation context, from the manifest in its resources: windows made while it
// is active are of the common controls 6 (visual styles, the newer tooltips), whatever the loading
// program's manifest says.
#pragma once

#include <windows.h>

namespace toolkit::win32 {

void make_activation_context();
void release_activation_context();

// Activates the library's context for its own life, where one could be made.
class ActivatedContext {
 public:
  ActivatedContext();
  ~ActivatedContext();
  ActivatedContext(const ActivatedContext&) = delete;
  ActivatedContext& operator=(const ActivatedContext&) = delete;

 private:
  ULONG_PTR cookie_ = 0;
  bool active_ = false;
};

}  // namespace toolkit::win32
