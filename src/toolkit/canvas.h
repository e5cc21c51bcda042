// Canvas: what a control's draw handler paints with. Deliberately small: text and the three
// fills a colour swatch needs.
#pragma once

#include <string_view>

#include "toolkit/geometry.h"

namespace toolkit {

class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual void set_font_color(Argb color) = 0;
  // Text in the canvas font with its top-left corner at (x, y).
  virtual void text_out(int x, int y, std::u16string_view text) = 0;
  // Text cut off at the rectangle's edges. A canvas whose texts are fitted to their cells before
  // they come draws them whole.
  virtual void text_out_clipped(const Rect&, int x, int y, std::u16string_view text) { text_out(x, y, text); }
  // The diagonal-cross hatch: lines of foreground over background.
  virtual void fill_hatch(const Rect& rect, Argb foreground, Argb background) = 0;
  // Blends over what is there when alpha is below 255.
  virtual void fill_solid(const Rect& rect, Argb color) = 0;
  virtual void draw_outline(const Rect& rect, Argb color, float width) = 0;
};

}  // namespace toolkit
