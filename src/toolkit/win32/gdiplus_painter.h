// A Canvas on a Windows device context, for the grid's cells: GDI+ for the swatches' fills and
// outlines, GDI for text. It is given 96-dpi coordinates and paints at its window's dpi.
#pragma once

#include <windows.h>

#include "toolkit/canvas.h"

namespace toolkit::win32 {

class GdiPlusPainter : public Canvas {
 public:
  GdiPlusPainter(HDC dc, int dpi);
  ~GdiPlusPainter() override;
  GdiPlusPainter(const GdiPlusPainter&) = delete;
  GdiPlusPainter& operator=(const GdiPlusPainter&) = delete;

  // Where the canvas's coordinates are measured from, in the device context's 96-dpi pixels.
  void set_origin(Point origin) { origin_ = origin; }
  void set_font_color(Argb color) override { font_color_ = color; }
  void text_out(int x, int y, std::u16string_view text) override;
  void text_out_clipped(const Rect& clip, int x, int y, std::u16string_view text) override;
  void fill_hatch(const Rect& rect, Argb foreground, Argb background) override;
  void fill_solid(const Rect& rect, Argb color) override;
  void draw_outline(const Rect& rect, Argb color, float width) override;

 private:
  Rect moved(const Rect& rect) const;
  int scaled(int size) const;

  HDC dc_;
  int dpi_;
  HGDIOBJ old_font_;
  Point origin_;
  Argb font_color_ = 0xFF000000;
};

// The GDI+ library's start and end, around the plug-in's life.
void start_gdiplus();
void stop_gdiplus();

}  // namespace toolkit::win32
