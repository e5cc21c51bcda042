// A count as the panel's texts show it: decimal digits.
#pragma once

#include <cstddef>
#include <string>

inline std::u16string count_text(std::size_t value) {
  const std::string digits = std::to_string(value);
  return std::u16string(digits.begin(), digits.end());
}
