// Cleaning CSV fields into a text of their own, and trimming.
#include "categories/clean_field.h"

std::u16string clean_field(std::u16string_view text) {
  std::u16string cleaned;
  cleaned.reserve(text.size());
  append_clean_field(cleaned, text);
  return cleaned;
}

std::u16string_view trimmed_view(std::u16string_view text) {
  const auto is_blank = [](char16_t c) { return c <= 32; };
  while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
  return text;
}
