// Looks up a function exported by the executable that loaded this library.
#pragma once

namespace platform {

// Null when the executable does not export the name.
void* find_host_symbol(const char* name);

}  // namespace platform
