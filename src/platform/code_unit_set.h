// A small set of UTF-16 code units below 64 (separators and line ends), tested without 64-bit
// arithmetic: a 32-bit processor shifts a 64-bit word in several instructions, and the set is
// asked about every character of a long text.
#pragma once

#include <cstdint>
#include <initializer_list>

namespace platform {

class CodeUnitSet {
 public:
  constexpr CodeUnitSet(std::initializer_list<char16_t> units) {
    for (const char16_t unit : units) {
      if (unit < 32) below_32_ |= 1u << unit;
      if (unit >= 32 && unit < 64) from_32_ |= 1u << (unit - 32);
    }
  }

  // Without a branch on the code: digits and blanks sort below 64 too, and a branch that guessed
  // wrong on them would stall the loads of texts scattered through a model.
  constexpr bool contains(char16_t unit) const {
    const std::uint32_t word = unit < 32 ? below_32_ : from_32_;
    return (word >> (unit & 31u) & static_cast<std::uint32_t>(unit < 64)) != 0;
  }

  constexpr bool empty() const { return below_32_ == 0 && from_32_ == 0; }

  constexpr CodeUnitSet with(char16_t unit) const {
    CodeUnitSet more = *this;
    if (unit < 32) more.below_32_ |= 1u << unit;
    if (unit >= 32 && unit < 64) more.from_32_ |= 1u << (unit - 32);
    return more;
  }

 private:
  std::uint32_t below_32_ = 0;
  std::uint32_t from_32_ = 0;
};

}  // namespace platform
