// The folders the operating system gives applications for their data, and how paths are written.
#pragma once

#include <optional>
#include <string>

namespace platform {

// Backslash on Windows, slash on POSIX.
char16_t path_separator();

// The per-user folder for application data (CSIDL_LOCAL_APPDATA; $XDG_DATA_HOME or ~/.local/share).
std::u16string local_app_data_folder();

// The all-users folder for application data (CSIDL_COMMON_APPDATA; first of $XDG_DATA_DIRS or
// /usr/local/share).
std::u16string common_app_data_folder();

// The user's folder for temporary files, also spelled as the C runtime's narrow file calls (fopen,
// open) take it, for a library that knows no other: on Windows in the ANSI code page, by its short
// name when its long one does not fit. Nothing when there is no such spelling.
struct NarrowFolder {
  std::u16string path;
  std::string narrow;
};
std::optional<NarrowFolder> narrow_temp_folder();

}  // namespace platform
