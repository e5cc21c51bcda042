// Finding a list's rows by the start of their names.
#include "toolkit/type_ahead.h"

#include <algorithm>

#include "platform/case_fold.h"

namespace toolkit {
namespace {

// Capitals not minded.
bool starts_with(const std::u16string& name, const std::u16string& start) {
  return name.size() >= start.size() &&
         std::equal(start.begin(), start.end(), name.begin(),
                    [](char16_t a, char16_t b) { return platform::fold_case(a) == platform::fold_case(b); });
}

}  // namespace

std::optional<int> TypeAhead::row_for(char16_t typed, std::int64_t at_ms, int current, int first, int last,
                                      const std::function<std::u16string(int row)>& name_of) {
  if (at_ms - last_ms_ > wait_ms || at_ms < last_ms_) typed_.clear();
  last_ms_ = at_ms;
  typed_ += typed;
  if (last < first) return std::nullopt;
  // The same letter again goes on to the next row with it; a longer start may stay on this row.
  const bool one_letter_again =
      std::all_of(typed_.begin(), typed_.end(), [&](char16_t c) { return c == typed; });
  const std::u16string start = one_letter_again ? std::u16string(1, typed) : typed_;
  const int count = last - first + 1;
  const int from = std::clamp(current, first, last) - first + (one_letter_again ? 1 : 0);
  for (int step = 0; step < count; ++step) {
    const int row = first + (from + step) % count;
    if (starts_with(name_of(row), start)) return row;
  }
  return std::nullopt;
}

}  // namespace toolkit
