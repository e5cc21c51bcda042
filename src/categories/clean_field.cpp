// Cleaning CSV fields. Commas and quotes go first, so that a CR and an LF they separated meet
// as a pair, as removing each kind over the whole text in turn has it.
#include "categories/clean_field.h"

std::u16string clean_field(std::u16string_view text) {
  std::u16string without_separators;
  without_separators.reserve(text.size());
  for (const char16_t c : text) {
    if (c != u',' && c != u'"') without_separators += c;
  }
  std::u16string cleaned;
  cleaned.reserve(without_separators.size());
  for (std::size_t i = 0; i < without_separators.size(); ++i) {
    const char16_t c = without_separators[i];
    if (c == u'\n') continue;
    if (c == u'\r' && i + 1 < without_separators.size() && without_separators[i + 1] == u'\n') {
      ++i;
      continue;
    }
    cleaned += c;
  }
  return cleaned;
}

std::u16string trimmed(std::u16string_view text) {
  const auto is_blank = [](char16_t c) { return c <= 32; };
  while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
  return std::u16string(text);
}
