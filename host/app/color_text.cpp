// Hexadecimal colour texts.
#include "app/color_text.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "app/text_match.h"
#include "interface/color_text.h"

namespace host {
namespace {

bool hex_digits(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); });
}

}  // namespace

std::string rgba_text(std::uint32_t rgba) {
  // Red, in the word's low byte, is written first.
  const std::uint32_t red_first =
      (rgba & 0xFFu) << 24 | (rgba & 0xFF00u) << 8 | (rgba >> 8 & 0xFF00u) | rgba >> 24;
  return desktop::color_text(red_first);
}

std::optional<std::uint32_t> rgba_value(std::string_view text) {
  std::uint32_t value = 0;
  if (text.size() != 8 || !hex_digits(text)) return std::nullopt;
  std::from_chars(text.data(), text.data() + text.size(), value, 16);
  // RRGGBBAA read as one number has red in the top byte; the viewer keeps it in the low one.
  return (value >> 24) | (value >> 8 & 0xFF00u) | (value << 8 & 0xFF0000u) | (value << 24);
}

std::optional<std::string> dialog_color(std::string_view answer) {
  if (lower_case(answer) == "none") return "00000000";
  if (answer.starts_with('#')) {
    answer.remove_prefix(1);
    if (answer.size() != 6) return std::nullopt;
  }
  if (!hex_digits(answer)) return std::nullopt;
  if (answer.size() == 6) return "FF" + std::string(answer);
  if (answer.size() == 8) return std::string(answer);
  return std::nullopt;
}

}  // namespace host
