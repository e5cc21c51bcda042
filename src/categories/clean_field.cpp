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

std::u16string category_name(std::u16string_view text) {
  std::u16string name;
  name.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    name += text[i] == u'\r' || text[i] == u'\n' ? u' ' : text[i];
  }
  return trimmed(name);
}
