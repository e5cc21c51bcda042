// The size of a text in the forms' font (Tahoma, 8 points), so that forms lay themselves out to fit
// their texts in every language.
#pragma once

#include <string_view>

namespace toolkit {

// Width and height in pixels at 96 dots per inch.
int text_width(std::u16string_view text);
int text_height();

}  // namespace toolkit
