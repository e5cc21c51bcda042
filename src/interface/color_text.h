// Colours in the texts the plug-in's desktop and the stand-in host exchange (display lists, the
// panels' cell texts) and in what the session prints: one way to write them.
#pragma once

#include <cstdint>
#include <string>

namespace desktop {

// A colour word as eight upper-case hexadecimal digits, its most significant byte first.
inline std::string color_text(std::uint32_t word) {
  static constexpr char digits[] = "0123456789ABCDEF";
  std::string text(8, '0');
  for (auto place = text.rbegin(); place != text.rend(); ++place, word >>= 4) *place = digits[word & 0xFu];
  return text;
}

}  // namespace desktop
