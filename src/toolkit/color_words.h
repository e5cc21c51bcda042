// Colours in words, as screen readers say them in the viewer's language: the colour's name, then
// its code as the colour dialog's field writes it, its alpha left out when opaque.
#pragma once

#include <string>

#include "toolkit/geometry.h"

namespace toolkit {

// "red E03C31", "red 80E03C31": a swatch among other cells (a grid's row).
std::u16string color_words(Argb color);
// "Red, E03C31": a swatch on its own (a palette's cell); a colour of alpha 00 is the dialog's "no
// colour".
std::u16string swatch_name(Argb color);
// The colour dialog's "no colour", without its access key.
std::u16string no_color_words();

}  // namespace toolkit
