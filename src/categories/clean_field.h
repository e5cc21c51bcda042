// The texts of CSV fields and category names: cleaning and trimming.
#pragma once

#include <string>
#include <string_view>

#include "platform/code_unit_set.h"

// Removes every comma, every double quote, every CR LF pair and then every remaining LF; a CR
// that is not followed by LF stays.
std::u16string clean_field(std::u16string_view text);
// The same, appended to out: a std::u16string or any text with append(std::u16string_view).
template <typename Text>
void append_clean_field(Text& out, std::u16string_view text);

// A text as a category name: each line break (CR LF, CR or LF) becomes a space, as a side-car
// line must hold the whole name; then trimmed.
std::u16string category_name(std::u16string_view text);

// Without leading and trailing characters up to code 32 (blanks and control characters).
std::u16string_view trimmed_view(std::u16string_view text);
inline std::u16string trimmed(std::u16string_view text) { return std::u16string(trimmed_view(text)); }

// The characters cleaning looks at: the text before the first of them is kept whole.
inline constexpr platform::CodeUnitSet clean_field_specials{u',', u'"', u'\r', u'\n'};

namespace clean_field_detail {

// Whether cleaning removes the character at i, deciding in one pass: every LF goes, and a CR goes
// when the next character that is not a comma or a quote is an LF (commas and quotes go first, so
// a CR and an LF they separated meet as a pair, as removing each kind over the whole text in turn
// has it).
inline bool removed_at(std::u16string_view text, std::size_t i) {
  const char16_t c = text[i];
  if (!clean_field_specials.contains(c)) return false;
  if (c != u'\r') return true;
  while (++i < text.size() && (text[i] == u',' || text[i] == u'"')) {
  }
  return i < text.size() && text[i] == u'\n';
}

}  // namespace clean_field_detail

template <typename Text>
void append_clean_field(Text& out, std::u16string_view text) {
  // The characters kept go over in runs: most fields are one run, appended whole.
  std::size_t run = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!clean_field_detail::removed_at(text, i)) continue;
    out.append(text.substr(run, i - run));
    run = i + 1;
  }
  out.append(text.substr(run));
}
