// The full file name of a loaded library.
#pragma once

#include <string>

#include "platform/module_handle.h"

namespace platform {

// Cut at 260 characters on Windows, as the system reports it.
std::u16string module_file_name(ModuleHandle library);

}  // namespace platform
