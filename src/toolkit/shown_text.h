// User text (category names) as the controls show it: as text, never as the controls' own markup.
#pragma once

#include <string>
#include <string_view>

namespace toolkit {

// Control characters (tabs, line breaks) become blanks: a grid cell or a menu shows them as boxes
// or columns otherwise.
std::u16string shown_text(std::u16string_view text);
// For a user's text inside a caption that marks its access key with '&' (a menu's entry): shown_text
// with every '&' doubled, so that none underlines the next letter.
std::u16string menu_caption(std::u16string_view text);
// A caption as the eye reads it: its access key's '&' left out, "&&" shown as one '&'.
std::u16string without_access_key(std::u16string_view caption);
// The text whole when it is at most width pixels wide (96 dpi, the forms' font), else its longest
// start that fits with an ellipsis after it.
std::u16string fitted_text(std::u16string_view text, int width);

}  // namespace toolkit
