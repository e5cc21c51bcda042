// Cleaning CSV fields, in one pass: every LF goes, and a CR goes when the next character that
// is not a comma or a quote is an LF (commas and quotes go first, so a CR and an LF they
// separated meet as a pair, as removing each kind over the whole text in turn has it).
#include "categories/clean_field.h"

namespace {

bool is_separator(char16_t c) { return c == u',' || c == u'"'; }

// The four characters cleaning looks at all sort below the first letter.
bool is_special(char16_t c) { return c <= u',' && (is_separator(c) || c == u'\r' || c == u'\n'); }

}  // namespace

void append_clean_field(std::u16string& out, std::u16string_view text) {
  // Most fields hold none of the four characters: everything before the first one goes over whole.
  std::size_t i = 0;
  while (i < text.size() && !is_special(text[i])) ++i;
  out.append(text.data(), i);
  for (; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (is_separator(c) || c == u'\n') continue;
    if (c == u'\r') {
      std::size_t next = i + 1;
      while (next < text.size() && is_separator(text[next])) ++next;
      if (next < text.size() && text[next] == u'\n') continue;
    }
    out += c;
  }
}

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
