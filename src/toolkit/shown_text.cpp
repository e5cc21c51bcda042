// Showing user text: blanks for control characters, doubled ampersands, an ellipsis where it is cut.
#include "toolkit/shown_text.h"

#include "toolkit/text_metrics.h"

namespace toolkit {
namespace {

constexpr char16_t ellipsis = u'\u2026';

bool is_control(char16_t c) { return c < u' ' || (c >= u'\x7F' && c < u'\xA0'); }

bool is_low_surrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

}  // namespace

std::u16string shown_text(std::u16string_view text) {
  std::u16string shown(text);
  for (char16_t& c : shown) {
    if (is_control(c)) c = u' ';
  }
  return shown;
}

std::u16string menu_caption(std::u16string_view text) {
  std::u16string caption;
  for (const char16_t c : shown_text(text)) {
    caption += c;
    if (c == u'&') caption += u'&';
  }
  return caption;
}

std::u16string without_access_key(std::u16string_view caption) {
  std::u16string shown;
  for (std::size_t at = 0; at < caption.size(); ++at) {
    if (caption[at] == u'&' && at + 1 < caption.size()) ++at;
    shown += caption[at];
  }
  return shown;
}

std::u16string fitted_text(std::u16string_view text, int width) {
  if (text_width(text) <= width) return std::u16string(text);
  // The longest start that fits with the ellipsis, found by halving (each width is measured).
  std::size_t fits = 0;
  std::size_t too_long = text.size();
  while (too_long - fits > 1) {
    const std::size_t middle = fits + (too_long - fits) / 2;
    std::u16string candidate(text.substr(0, middle));
    candidate += ellipsis;
    if (text_width(candidate) <= width) {
      fits = middle;
    } else {
      too_long = middle;
    }
  }
  // A character outside the basic plane is kept whole or left out whole.
  if (fits > 0 && is_low_surrogate(text[fits])) --fits;
  std::u16string shown(text.substr(0, fits));
  shown += ellipsis;
  return shown;
}

}  // namespace toolkit
