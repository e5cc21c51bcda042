// A FormPainter on a Windows device context: GDI+ for the swatches' fills and outlines, GDI for
// text and the system's own look of check boxes and buttons. It is given 96-dpi coordinates and
// paints at the screen's dpi.
#pragma once

#include <windows.h>

#include "toolkit/form_painter.h"

namespace toolkit::win32 {

class GdiPlusPainter : public FormPainter {
 public:
  explicit GdiPlusPainter(HDC dc);
  ~GdiPlusPainter() override;
  GdiPlusPainter(const GdiPlusPainter&) = delete;
  GdiPlusPainter& operator=(const GdiPlusPainter&) = delete;

  void set_origin(Point origin) override { origin_ = origin; }
  void set_font_color(Argb color) override { font_color_ = color; }
  void text_out(int x, int y, std::u16string_view text) override;
  void fill_hatch(const Rect& rect, Argb foreground, Argb background) override;
  void fill_solid(const Rect& rect, Argb color) override;
  void draw_outline(const Rect& rect, Argb color, float width) override;
  void check_box(const Rect& rect, bool checked, std::u16string_view caption) override;
  void button(const Rect& rect, bool enabled, std::string_view image, std::u16string_view caption) override;
  void edit(const Rect& rect, std::u16string_view text) override;
  void scroll_bar(const Rect& rect, int first, int shown, int total) override;
  void clip(const Rect& rect) override;
  void unclip() override;

 private:
  // A rectangle of the control being painted, in the device context's pixels.
  Rect moved(const Rect& rect) const;
  void draw_text(int x, int y, std::u16string_view text, COLORREF color);

  HDC dc_;
  HFONT font_;
  HGDIOBJ old_font_;
  Point origin_;
  Argb font_color_ = 0xFF000000;
};

// The GDI+ library's start and end, around the plug-in's life.
void start_gdiplus();
void stop_gdiplus();

}  // namespace toolkit::win32
