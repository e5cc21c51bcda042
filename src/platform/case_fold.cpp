// Lower-case folding of single code units, the same in every build.
#include "platform/case_fold.h"

namespace platform {

char16_t fold_case(char16_t c) {
  const auto shifted = [c](int offset) { return static_cast<char16_t>(c + offset); };
  // Pairs where the capital has the even code and the small letter follows, or the other way.
  const auto pair_even_upper = [c] { return static_cast<char16_t>(c | 1u); };
  const auto pair_odd_upper = [c] { return (c & 1u) != 0 ? static_cast<char16_t>(c + 1) : c; };
  if (c < 0x80) return c >= u'A' && c <= u'Z' ? shifted(0x20) : c;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return shifted(0x20);
  if (c < 0x100) return c;
  if (c == 0x130) return u'i';  // İ: its small letter is the plain i
  if (c == 0x131) return c;     // ı has no capital of its own here
  if (c <= 0x137) return pair_even_upper();
  if (c >= 0x139 && c <= 0x148) return pair_odd_upper();
  if (c >= 0x14A && c <= 0x177) return pair_even_upper();
  if (c == 0x178) return 0xFF;  // Ÿ pairs with ÿ of Latin-1
  if (c >= 0x179 && c <= 0x17E) return pair_odd_upper();
  if (c == 0x17F) return u's';  // long s
  if (c == 0x386) return 0x3AC;
  if (c >= 0x388 && c <= 0x38A) return shifted(0x25);
  if (c == 0x38C) return 0x3CC;
  if (c == 0x38E || c == 0x38F) return shifted(0x3F);
  if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) return shifted(0x20);
  if (c == 0x3C2) return 0x3C3;  // final sigma
  if (c >= 0x400 && c <= 0x40F) return shifted(0x50);
  if (c >= 0x410 && c <= 0x42F) return shifted(0x20);
  if ((c >= 0x460 && c <= 0x481) || (c >= 0x48A && c <= 0x4BF)) return pair_even_upper();
  if (c == 0x4C0) return 0x4CF;
  if (c >= 0x4C1 && c <= 0x4CE) return pair_odd_upper();
  if (c >= 0x4D0 && c <= 0x52F) return pair_even_upper();
  return c;
}

}  // namespace platform
