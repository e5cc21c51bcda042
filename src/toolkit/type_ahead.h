// Letters typed into a list find its rows, as in every Windows list: a letter goes to the next row
// whose name starts with it, letters typed within a second make a longer start to look for.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace toolkit {

class TypeAhead {
 public:
  // How long the typed start is kept after a letter, in milliseconds.
  static constexpr std::int64_t wait_ms = 1000;

  // The row the character leads to among rows first to last (wrapping), from the current one; nothing
  // when no row's name starts so. at_ms is when the key was typed, on any clock that counts
  // milliseconds.
  std::optional<int> row_for(char16_t typed, std::int64_t at_ms, int current, int first, int last,
                             const std::function<std::u16string(int row)>& name_of);

 private:
  std::u16string typed_;
  std::int64_t last_ms_ = 0;
};

}  // namespace toolkit
