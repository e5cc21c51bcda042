// A canvas that keeps what is painted into one grid cell, to say what the cell shows.
#pragma once

#include <optional>
#include <string>

#include "toolkit/canvas.h"

namespace toolkit::desktop {

class CellRecorder : public Canvas {
 public:
  void set_font_color(Argb) override {}
  void text_out(int x, int y, std::u16string_view text) override;
  void fill_hatch(const Rect&, Argb, Argb) override { hatched_ = true; }
  void fill_solid(const Rect&, Argb color) override { fill_ = color; }
  void draw_outline(const Rect&, Argb, float) override {}

  // The texts drawn; else the colour of a swatch as RRGGBBAA, or "none" when only its hatch shows.
  std::string content() const;

 private:
  std::u16string text_;
  bool hatched_ = false;
  std::optional<Argb> fill_;
};

}  // namespace toolkit::desktop
