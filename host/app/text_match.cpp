// Case folding by the Unicode blocks that hold the Latin letters of the viewer's languages.
#include "app/text_match.h"

#include <algorithm>

namespace host {
namespace {

char16_t small_letter(char16_t c) {
  if (c >= u'A' && c <= u'Z') return static_cast<char16_t>(c + 32);
  // Latin-1: À to Þ but the multiplication sign.
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<char16_t>(c + 32);
  // Latin Extended-A pairs capital and small letter, the capital first: on even code points but
  // in the two runs from Ĺ to Ň and from Ź to Ž; ı, ĸ and ŉ have no pair.
  const bool odd_capitals = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
  if (c >= 0x100 && c <= 0x17E && c != 0x130 && c != 0x131 && c != 0x138 && c != 0x149) {
    if ((c % 2 == 1) == odd_capitals) return static_cast<char16_t>(c + 1);
  }
  if (c == 0x178) return 0xFF;  // Ÿ
  return c;
}

bool same_letter(char16_t a, char16_t b) { return a == b || small_letter(a) == small_letter(b); }

}  // namespace

std::string lower_case(std::string_view word) {
  std::string result(word);
  for (char& c : result) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  }
  return result;
}

bool equal_ignoring_case(std::u16string_view a, std::u16string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), same_letter);
}

bool contains_ignoring_case(std::u16string_view text, std::u16string_view part) {
  return std::search(text.begin(), text.end(), part.begin(), part.end(), same_letter) != text.end();
}

}  // namespace host
