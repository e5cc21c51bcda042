// The colour field's text.
#include "toolkit/argb_text.h"

#include "interface/color_text.h"

namespace toolkit {
namespace {

constexpr std::size_t max_digits = 8;

int hex_value(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  return -1;
}

}  // namespace

std::u16string argb_text(Argb color) {
  const std::string text = desktop::color_text(color);
  return {text.begin(), text.end()};
}

std::u16string clean_argb_text(std::u16string_view typed) {
  std::u16string cleaned;
  std::size_t digits = 0;
  for (const char16_t c : typed) {
    if (c == u'#' && cleaned.empty()) {
      cleaned += c;
    } else if (hex_value(c) >= 0 && digits < max_digits) {
      cleaned += c;
      ++digits;
    }
  }
  return cleaned;
}

std::optional<Argb> parse_argb_text(std::u16string_view text) {
  const bool hash = !text.empty() && text.front() == u'#';
  if (hash) text.remove_prefix(1);
  if (text.size() != 6 && !(text.size() == 8 && !hash)) return std::nullopt;
  Argb value = 0;
  for (const char16_t c : text) {
    const int digit = hex_value(c);
    if (digit < 0) return std::nullopt;
    value = value << 4 | static_cast<Argb>(digit);
  }
  return text.size() == 6 ? 0xFF000000 | value : value;
}

}  // namespace toolkit
