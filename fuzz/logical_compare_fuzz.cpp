// Fuzzed triples of names through the logical comparison: it must be a total order, or sorting
// the categories is undefined. A byte below 0x80 is that character; a byte from 0x80 on and the
// next make one code unit up to 0x7FFF (Latin, Greek and Cyrillic letters fold); 0xFF ends a name.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/logical_compare.h"

namespace {

std::u16string next_name(const std::uint8_t*& data, const std::uint8_t* end) {
  std::u16string name;
  while (data != end && *data != 0xFF) {
    const std::uint8_t byte = *data++;
    if (byte < 0x80 || data == end) {
      name += static_cast<char16_t>(byte);
    } else {
      name += static_cast<char16_t>((byte & 0x7F) << 8 | *data++);
    }
  }
  if (data != end) ++data;
  return name;
}

int sign(int value) { return (value > 0) - (value < 0); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::uint8_t* const end = data + size;
  const std::u16string names[3] = {next_name(data, end), next_name(data, end), next_name(data, end)};
  for (const std::u16string& a : names) {
    for (const std::u16string& b : names) {
      const int order = sign(platform::compare_logical(a, b));
      // Antisymmetric, and 0 only for the same text.
      if (order != -sign(platform::compare_logical(b, a))) std::abort();
      if ((order == 0) != (a == b)) std::abort();
      for (const std::u16string& c : names) {
        // Transitive.
        if (order <= 0 && platform::compare_logical(b, c) <= 0 && platform::compare_logical(a, c) > 0)
          std::abort();
      }
    }
  }
  return 0;
}
