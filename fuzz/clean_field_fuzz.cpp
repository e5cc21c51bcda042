// Any UTF-16 text (the bytes read as little-endian code units) through clean_field and trimmed:
// what they promise holds for every text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "categories/clean_field.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::u16string text(size / 2, u'\0');
  for (std::size_t i = 0; i < text.size(); ++i) {
    text[i] = static_cast<char16_t>(data[2 * i] | data[2 * i + 1] << 8);
  }
  const std::u16string cleaned = clean_field(text);
  // No field separator, quote or line feed is left, nothing is added, and cleaning again changes
  // nothing (so a name saved and read back stays the same).
  if (cleaned.find_first_of(u",\"\n") != std::u16string::npos) std::abort();
  if (cleaned.size() > text.size()) std::abort();
  if (clean_field(cleaned) != cleaned) std::abort();
  const std::u16string trimmed_text = trimmed(text);
  if (!trimmed_text.empty() && (trimmed_text.front() <= 32 || trimmed_text.back() <= 32)) std::abort();
  if (text.find(trimmed_text) == std::u16string::npos || trimmed(trimmed_text) != trimmed_text) std::abort();
  return 0;
}
