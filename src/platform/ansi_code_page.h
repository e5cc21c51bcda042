// The system's ANSI code page: what CSV files are written in and read in without a byte-order mark.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// A character the code page cannot represent becomes the code page's default character ('?').
std::string to_ansi(std::u16string_view text);
std::u16string from_ansi(std::string_view text);

// Whether every character of text survives to_ansi unchanged.
bool fits_ansi(std::u16string_view text);

}  // namespace platform
