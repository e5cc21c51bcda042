// Our own logical comparison of names, standing in for the shell's StrCmpLogicalW.
#include <algorithm>
#include <cstdint>

#include "platform/case_fold.h"
#include "platform/logical_compare.h"

namespace platform {
namespace {

// The order, decided by the first rule that tells the two texts apart:
//  1. Both texts are read as a row of items: a maximal run of the decimal digits 0-9 is one item,
//     any other code unit is one item. The rows are compared item by item, a row that is a
//     prefix of the other coming first. Items rank as
//       - ASCII characters other than letters and digits (space, punctuation), by code,
//       - then every run of digits, by numeric value: without its leading zeros the shorter run
//         is smaller, the same length compares digit by digit, so runs of any length work,
//       - then letters and all non-ASCII code units, by their case-folded code unit (so "a" and
//         "A" rank alike, as do "ł" and "Ł"; "ß" stays as it is).
//     This puts punctuation before numbers before letters, as Windows Explorer lists names.
//  2. When rule 1 finds no difference, the first pair of runs with the same value but a different
//     count of leading zeros decides: fewer leading zeros first ("7" < "07" < "007").
//  3. Then the original code units, compared one by one as unsigned numbers ("A" < "a").
// Rule 3 makes 0 mean identical texts. Each rule is a lexicographic order over a row that depends
// on one text alone, so the three together are a total order and std::sort may use it.

constexpr std::uint32_t number_rank = 0x80;
constexpr std::uint32_t letter_rank_base = 0x100;

bool is_digit(char16_t c) { return c >= u'0' && c <= u'9'; }

std::uint32_t rank(char16_t c) {
  if (c < 0x80 && !(c >= u'A' && c <= u'Z') && !(c >= u'a' && c <= u'z')) return c;
  return letter_rank_base + fold_case(c);
}

int sign(int value) { return (value > 0) - (value < 0); }

std::size_t digit_run_end(std::u16string_view text, std::size_t start) {
  while (start < text.size() && is_digit(text[start])) ++start;
  return start;
}

std::size_t leading_zeros_end(std::u16string_view text, std::size_t start) {
  while (start < text.size() && text[start] == u'0') ++start;
  return start;
}

}  // namespace

int compare_logical(std::u16string_view a, std::u16string_view b) {
  int leading_zeros_order = 0;
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < a.size() && j < b.size()) {
    // The same code unit ranks the same: names in one list mostly share their beginnings.
    if (a[i] == b[j] && !is_digit(a[i])) {
      ++i;
      ++j;
      continue;
    }
    const bool a_number = is_digit(a[i]);
    const bool b_number = is_digit(b[j]);
    if (a_number && b_number) {
      const std::size_t a_first = leading_zeros_end(a, i);
      const std::size_t b_first = leading_zeros_end(b, j);
      const std::size_t a_end = digit_run_end(a, a_first);
      const std::size_t b_end = digit_run_end(b, b_first);
      if (a_end - a_first != b_end - b_first) return a_end - a_first < b_end - b_first ? -1 : 1;
      for (std::size_t k = 0; k < a_end - a_first; ++k) {
        if (a[a_first + k] != b[b_first + k]) return a[a_first + k] < b[b_first + k] ? -1 : 1;
      }
      if (leading_zeros_order == 0 && a_first - i != b_first - j) {
        leading_zeros_order = a_first - i < b_first - j ? -1 : 1;
      }
      i = a_end;
      j = b_end;
      continue;
    }
    const std::uint32_t a_rank = a_number ? number_rank : rank(a[i]);
    const std::uint32_t b_rank = b_number ? number_rank : rank(b[j]);
    if (a_rank != b_rank) return a_rank < b_rank ? -1 : 1;
    ++i;
    ++j;
  }
  if (i < a.size()) return 1;
  if (j < b.size()) return -1;
  if (leading_zeros_order != 0) return leading_zeros_order;
  return sign(a.compare(b));
}

}  // namespace platform
