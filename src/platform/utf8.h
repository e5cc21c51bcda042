// Conversions between UTF-8 and UTF-16, for the places where the operating system speaks UTF-8.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Unpaired surrogates and malformed bytes become U+FFFD.
std::string to_utf8(std::u16string_view text);
std::u16string from_utf8(std::string_view text);

// The text when it is well-formed UTF-8 throughout; nothing at the first malformed byte.
std::optional<std::u16string> from_strict_utf8(std::string_view text);

}  // namespace platform
