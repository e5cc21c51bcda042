// The texts of CSV fields and category names: cleaning and trimming.
#pragma once

#include <string>
#include <string_view>

// Removes every comma, every double quote, every CR LF pair and then every remaining LF; a CR
// that is not followed by LF stays.
std::u16string clean_field(std::u16string_view text);
// The same, appended to out.
void append_clean_field(std::u16string& out, std::u16string_view text);

// Without leading and trailing characters up to code 32 (blanks and control characters).
std::u16string_view trimmed_view(std::u16string_view text);
inline std::u16string trimmed(std::u16string_view text) { return std::u16string(trimmed_view(text)); }
