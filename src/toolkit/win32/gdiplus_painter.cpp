// Painting with the GDI+ flat interface: each operation makes its graphics object, brush or pen and
// releases it again; a failing call is ignored and painting goes on.
#include "toolkit/win32/gdiplus_painter.h"

#include "toolkit/win32/dpi.h"

#include <gdiplus.h>
#include <shlwapi.h>

#include <algorithm>
#include <map>
#include <string>

namespace toolkit::win32 {
namespace {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

ULONG_PTR gdiplus_token = 0;

COLORREF colorref(Argb argb) { return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF); }

const wchar_t* wide(std::u16string_view text) { return reinterpret_cast<const wchar_t*>(text.data()); }

// Runs draw with a GDI+ graphics object on the device context (which keeps the context's clip).
template <class Draw>
void with_graphics(HDC dc, Draw draw) {
  GpGraphics* graphics = nullptr;
  if (GdipCreateFromHDC(dc, &graphics) != Ok) return;
  draw(graphics);
  GdipDeleteGraphics(graphics);
}

void fill_argb(HDC dc, const Rect& rect, Argb color) {
  with_graphics(dc, [&](GpGraphics* graphics) {
    GpSolidFill* brush = nullptr;
    if (GdipCreateSolidFill(color, &brush) != Ok) return;
    GdipFillRectangleI(graphics, brush, rect.left, rect.top, rect.width, rect.height);
    GdipDeleteBrush(brush);
  });
}

// A button image from this library's resources, loaded once and kept until GDI+ stops; null when
// the library has none of that name. GDI+ reads a bitmap's stream for as long as the bitmap lives.
struct LoadedImage {
  IStream* stream = nullptr;
  GpBitmap* bitmap = nullptr;
};

std::map<std::string, LoadedImage, std::less<>>& loaded_images() {
  static std::map<std::string, LoadedImage, std::less<>> images;
  return images;
}

HMODULE this_module() {
  HMODULE module = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCWSTR>(&loaded_images), &module);
  return module;
}

GpBitmap* button_image(std::string_view name) {
  auto& images = loaded_images();
  if (const auto found = images.find(name); found != images.end()) return found->second.bitmap;
  LoadedImage& image = images[std::string(name)];
  const std::wstring resource_name(name.begin(), name.end());
  HMODULE module = this_module();
  HRSRC resource = FindResourceW(module, resource_name.c_str(), MAKEINTRESOURCEW(10));  // RT_RCDATA
  HGLOBAL data = resource != nullptr ? LoadResource(module, resource) : nullptr;
  const void* bytes = data != nullptr ? LockResource(data) : nullptr;
  if (bytes == nullptr) return nullptr;
  image.stream = SHCreateMemStream(static_cast<const BYTE*>(bytes), SizeofResource(module, resource));
  if (image.stream != nullptr && GdipCreateBitmapFromStream(image.stream, &image.bitmap) != Ok)
    image.bitmap = nullptr;
  return image.bitmap;
}

void release_images() {
  for (auto& [name, image] : loaded_images()) {
    if (image.bitmap != nullptr) GdipDisposeImage(image.bitmap);
    if (image.stream != nullptr) image.stream->Release();
  }
  loaded_images().clear();
}

}  // namespace

void start_gdiplus() {
  GdiplusStartupInput input;
  GdiplusStartup(&gdiplus_token, &input, nullptr);
}

void stop_gdiplus() {
  release_images();
  if (gdiplus_token != 0) GdiplusShutdown(gdiplus_token);
  gdiplus_token = 0;
}

GdiPlusPainter::GdiPlusPainter(HDC dc)
    : dc_(dc),
      font_(CreateFontW(-scaled(11), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                        L"Tahoma")),
      old_font_(SelectObject(dc, font_)) {
  SetBkMode(dc_, TRANSPARENT);
}

GdiPlusPainter::~GdiPlusPainter() {
  SelectObject(dc_, old_font_);
  DeleteObject(font_);
}

Rect GdiPlusPainter::moved(const Rect& rect) const {
  return scaled(Rect{rect.left + origin_.x, rect.top + origin_.y, rect.width, rect.height});
}

void GdiPlusPainter::draw_text(int x, int y, std::u16string_view text, COLORREF color) {
  SetTextColor(dc_, color);
  TextOutW(dc_, x, y, wide(text), static_cast<int>(text.size()));
}

void GdiPlusPainter::text_out(int x, int y, std::u16string_view text) {
  draw_text(scaled(x + origin_.x), scaled(y + origin_.y), text, colorref(font_color_));
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

void GdiPlusPainter::fill_solid(const Rect& rect, Argb color) { fill_argb(dc_, moved(rect), color); }

void GdiPlusPainter::draw_outline(const Rect& rect, Argb color, float width) {
  const Rect r = moved(rect);
  with_graphics(dc_, [&](GpGraphics* graphics) {
    GpPen* pen = nullptr;
    if (GdipCreatePen1(color, width, UnitWorld, &pen) != Ok) return;
    GdipDrawRectangleI(graphics, pen, r.left, r.top, r.width, r.height);
    GdipDeletePen(pen);
  });
}

void GdiPlusPainter::check_box(const Rect& rect, bool checked, std::u16string_view caption) {
  const Rect r = moved(rect);
  const int side = scaled(13);
  RECT box{r.left, r.top + (r.height - side) / 2, r.left + side, r.top + (r.height - side) / 2 + side};
  DrawFrameControl(dc_, &box, DFC_BUTTON, DFCS_BUTTONCHECK | (checked ? DFCS_CHECKED : 0));
  draw_text(r.left + scaled(17), r.top, caption, RGB(0, 0, 0));
}

void GdiPlusPainter::button(const Rect& rect, bool enabled, std::string_view image,
                            std::u16string_view caption) {
  const Rect r = moved(rect);
  RECT face{r.left, r.top, r.right(), r.bottom()};
  DrawFrameControl(dc_, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (enabled ? 0 : DFCS_INACTIVE));
  if (GpBitmap* bitmap = image.empty() ? nullptr : button_image(image)) {
    const Rect place = moved({rect.left + (rect.width - 16) / 2, rect.top + (rect.height - 16) / 2, 16, 16});
    with_graphics(dc_, [&](GpGraphics* graphics) {
      GdipDrawImageRectI(graphics, bitmap, place.left, place.top, place.width, place.height);
    });
  }
  if (!caption.empty()) {
    SetTextColor(dc_, enabled ? RGB(0, 0, 0) : RGB(160, 160, 160));
    DrawTextW(dc_, wide(caption), static_cast<int>(caption.size()), &face,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
}

void GdiPlusPainter::edit(const Rect& rect, std::u16string_view text) {
  const Rect r = moved(rect);
  fill_argb(dc_, r, 0xFFFFFFFF);
  RECT frame{r.left, r.top, r.right(), r.bottom()};
  DrawEdge(dc_, &frame, EDGE_SUNKEN, BF_RECT);
  draw_text(r.left + scaled(3), r.top + (r.height - scaled(13)) / 2, text, RGB(0, 0, 0));
}

void GdiPlusPainter::scroll_bar(const Rect& rect, int first, int shown, int total) {
  const Rect r = moved(rect);
  const int arrow = std::min(r.width, r.height / 2);
  const RECT whole{r.left, r.top, r.right(), r.bottom()};
  FillRect(dc_, &whole, GetSysColorBrush(COLOR_SCROLLBAR));
  RECT up{r.left, r.top, r.right(), r.top + arrow};
  RECT down{r.left, r.bottom() - arrow, r.right(), r.bottom()};
  DrawFrameControl(dc_, &up, DFC_SCROLL, DFCS_SCROLLUP);
  DrawFrameControl(dc_, &down, DFC_SCROLL, DFCS_SCROLLDOWN);
  const int track = r.height - 2 * arrow;
  if (total <= 0 || track <= 0) return;
  const int thumb_top = r.top + arrow + track * first / total;
  const int thumb_height = std::max(track * shown / total, 8);
  RECT thumb{r.left, thumb_top, r.right(), std::min(thumb_top + thumb_height, static_cast<int>(down.top))};
  DrawFrameControl(dc_, &thumb, DFC_BUTTON, DFCS_BUTTONPUSH);
}

void GdiPlusPainter::clip(const Rect& rect) {
  const Rect r = moved(rect);
  SaveDC(dc_);
  IntersectClipRect(dc_, r.left, r.top, r.right(), r.bottom());
}

void GdiPlusPainter::unclip() {
  RestoreDC(dc_, -1);
  // RestoreDC also restores the font and text mode chosen after SaveDC; choose them again.
  SelectObject(dc_, font_);
  SetBkMode(dc_, TRANSPARENT);
}

}  // namespace toolkit::win32
