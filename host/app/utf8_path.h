// Paths as torv-host is given them: UTF-8 from its command line and its session lines. The file
// system takes them as UTF-16 on Windows, where a narrow path would go through the ANSI code page.
#pragma once

#include <filesystem>
#include <string_view>

#include "platform/utf8.h"

namespace host {

inline std::filesystem::path utf8_path(std::string_view utf8) { return {platform::from_utf8(utf8)}; }

}  // namespace host
