// Printing the viewer's UTF-16 texts as UTF-8.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "platform/utf8.h"

namespace host {

inline std::string utf8(std::u16string_view text) { return platform::to_utf8(text); }

inline std::string utf8(const char16_t* text) {
  return text != nullptr ? platform::to_utf8(text) : std::string();
}

}  // namespace host
