// The colour a person would name: a short table of named colours, the nearest one to a colour by
// the CIEDE2000 difference in CIELAB (sRGB, D65 white), as screen readers say a swatch.
#pragma once

#include <cstddef>
#include <span>

#include "toolkit/geometry.h"

namespace toolkit {

struct Lab {
  double l = 0;
  double a = 0;
  double b = 0;
};

// The colour's red, green and blue (its alpha left out) in CIELAB.
Lab lab_of(Argb color);
// The CIEDE2000 colour difference (kL = kC = kH = 1).
double ciede2000(const Lab& first, const Lab& second);

// A name is its key in the language files ("dark_red" for "color_name.dark_red") with its English
// text; a name may stand for several samples across its range.
struct ColorName {
  const char* key;
  const char16_t* english;
};
std::span<const ColorName> color_names();
// The index in color_names() of the name whose sample lies nearest to the colour (alpha left out).
std::size_t nearest_color_name(Argb color);

}  // namespace toolkit
