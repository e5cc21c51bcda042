// The folders the operating system gives applications for their data, and how paths are written.
#pragma once

#include <string>

namespace platform {

// Backslash on Windows, slash on POSIX.
char16_t path_separator();

// The per-user folder for application data (CSIDL_LOCAL_APPDATA; $XDG_DATA_HOME or ~/.local/share).
std::u16string local_app_data_folder();

// The all-users folder for application data (CSIDL_COMMON_APPDATA; first of $XDG_DATA_DIRS or
// /usr/local/share).
std::u16string common_app_data_folder();

}  // namespace platform
