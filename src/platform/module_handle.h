// The handle by which the operating system knows a loaded library.
#pragma once

namespace platform {

// HMODULE on Windows; on POSIX the base address of the shared object, as dladdr reports it.
using ModuleHandle = void*;

}  // namespace platform
