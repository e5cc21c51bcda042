// Painting with the GDI+ flat interface: each operation makes its graphics object, brush or pen and
// releases it again; a failing call is ignored and painting goes on.
#include "toolkit/win32/gdiplus_painter.h"

#include <gdiplus.h>

#include "toolkit/win32/dpi.h"
#include "toolkit/win32/form_font.h"
#include "toolkit/win32/native_windows.h"

namespace toolkit::win32 {
namespace {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

ULONG_PTR gdiplus_token = 0;

// Runs draw with a GDI+ graphics object on the device context (which keeps the context's clip).
template <class Draw>
void with_graphics(HDC dc, Draw draw) {
  GpGraphics* graphics = nullptr;
  if (GdipCreateFromHDC(dc, &graphics) != Ok) return;
  draw(graphics);
  GdipDeleteGraphics(graphics);
}

}  // namespace

void start_gdiplus() {
  GdiplusStartupInput input;
  GdiplusStartup(&gdiplus_token, &input, nullptr);
}

void stop_gdiplus() {
  if (gdiplus_token != 0) GdiplusShutdown(gdiplus_token);
  gdiplus_token = 0;
}

GdiPlusPainter::GdiPlusPainter(HDC dc, int dpi)
    : dc_(dc), dpi_(dpi), old_font_(SelectObject(dc, form_font(dpi))) {
  SetBkMode(dc_, TRANSPARENT);
}

GdiPlusPainter::~GdiPlusPainter() { SelectObject(dc_, old_font_); }

Rect GdiPlusPainter::moved(const Rect& rect) const {
  return win32::scaled(Rect{rect.left + origin_.x, rect.top + origin_.y, rect.width, rect.height}, dpi_);
}

int GdiPlusPainter::scaled(int size) const { return win32::scaled(size, dpi_); }

void GdiPlusPainter::text_out(int x, int y, std::u16string_view text) {
  SetTextColor(dc_, colorref(font_color_));
  TextOutW(dc_, scaled(x + origin_.x), scaled(y + origin_.y), reinterpret_cast<const wchar_t*>(text.data()),
           static_cast<int>(text.size()));
}

void GdiPlusPainter::text_out_clipped(const Rect& clip, int x, int y, std::u16string_view text) {
  SetTextColor(dc_, colorref(font_color_));
  const Rect r = moved(clip);
  const RECT box{r.left, r.top, r.right(), r.bottom()};
  ExtTextOutW(dc_, scaled(x + origin_.x), scaled(y + origin_.y), ETO_CLIPPED, &box,
              reinterpret_cast<const wchar_t*>(text.data()), static_cast<UINT>(text.size()), nullptr);
}

void GdiPlusPainter::fill_hatch(const Rect& rect, Argb foreground, Argb background) {
  const Rect r = moved(rect);
  with_graphics(dc_, [&](GpGraphics* graphics) {
    GpHatch* brush = nullptr;
    if (GdipCreateHatchBrush(HatchStyleDiagonalCross, foreground, background, &brush) != Ok) return;
    GdipFillRectangleI(graphics, brush, r.left, r.top, r.width, r.height);
    GdipDeleteBrush(brush);
  });
}

void GdiPlusPainter::fill_solid(const Rect& rect, Argb color) {
  const Rect r = moved(rect);
  with_graphics(dc_, [&](GpGraphics* graphics) {
    GpSolidFill* brush = nullptr;
    if (GdipCreateSolidFill(color, &brush) != Ok) return;
    GdipFillRectangleI(graphics, brush, r.left, r.top, r.width, r.height);
    GdipDeleteBrush(brush);
  });
}

void GdiPlusPainter::draw_outline(const Rect& rect, Argb color, float width) {
  const Rect r = moved(rect);
  with_graphics(dc_, [&](GpGraphics* graphics) {
    GpPen* pen = nullptr;
    if (GdipCreatePen1(color, width, UnitWorld, &pen) != Ok) return;
    GdipDrawRectangleI(graphics, pen, r.left, r.top, r.width, r.height);
    GdipDeletePen(pen);
  });
}

}  // namespace toolkit::win32
