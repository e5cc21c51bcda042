// The library's entry for process attach and detach. The platform calls these two functions;
// the library that links the platform layer defines them.
#pragma once

#include "platform/module_handle.h"

namespace platform {

void on_process_attach(ModuleHandle library) noexcept;
void on_process_detach() noexcept;

}  // namespace platform
