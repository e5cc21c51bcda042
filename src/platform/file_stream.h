// C runtime file streams opened by a UTF-16 path.
#pragma once

#include <cstdio>
#include <string>

namespace platform {

// mode is a C runtime mode such as "rb" or "wb". Null when the file cannot be opened.
std::FILE* open_file(const std::u16string& path, const char* mode);

}  // namespace platform
