// Button icons from the library's PNG resources, through GDI+.
#include "toolkit/win32/button_icons.h"

#include <gdiplus.h>
#include <shlwapi.h>

#include <map>
#include <string>
#include <utility>

#include "toolkit/win32/dpi.h"
#include "toolkit/win32/native_windows.h"

namespace toolkit::win32 {
namespace {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

constexpr int icon_size = 16;

// By name and size in pixels.
std::map<std::pair<std::string, int>, HICON, std::less<>>& icons() {
  static std::map<std::pair<std::string, int>, HICON, std::less<>> made;
  return made;
}

// The 16-pixel image drawn at a size (24 pixels at 150%), smoothly.
HICON icon_at_size(GpBitmap* image, int size) {
  HICON icon = nullptr;
  if (size == icon_size) return GdipCreateHICONFromBitmap(image, &icon) == Ok ? icon : nullptr;
  GpBitmap* sized = nullptr;
  if (GdipCreateBitmapFromScan0(size, size, 0, PixelFormat32bppARGB, nullptr, &sized) != Ok) return nullptr;
  GpGraphics* graphics = nullptr;
  if (GdipGetImageGraphicsContext(sized, &graphics) == Ok) {
    GdipSetInterpolationMode(graphics, InterpolationModeHighQualityBicubic);
    GdipSetPixelOffsetMode(graphics, PixelOffsetModeHalf);
    GdipDrawImageRectI(graphics, image, 0, 0, size, size);
    GdipDeleteGraphics(graphics);
    if (GdipCreateHICONFromBitmap(sized, &icon) != Ok) icon = nullptr;
  }
  GdipDisposeImage(sized);
  return icon;
}

HICON load_icon(std::string_view name, int size) {
  const std::wstring resource_name(name.begin(), name.end());
  HMODULE module = this_module();
  HRSRC resource = FindResourceW(module, resource_name.c_str(), MAKEINTRESOURCEW(10));  // RT_RCDATA
  HGLOBAL data = resource != nullptr ? LoadResource(module, resource) : nullptr;
  const void* bytes = data != nullptr ? LockResource(data) : nullptr;
  if (bytes == nullptr) return nullptr;
  IStream* stream = SHCreateMemStream(static_cast<const BYTE*>(bytes), SizeofResource(module, resource));
  if (stream == nullptr) return nullptr;
  GpBitmap* bitmap = nullptr;
  HICON icon = nullptr;
  if (GdipCreateBitmapFromStream(stream, &bitmap) == Ok) {
    icon = icon_at_size(bitmap, size);
    GdipDisposeImage(bitmap);
  }
  stream->Release();
  return icon;
}

}  // namespace

HICON button_icon(std::string_view name, int dpi) {
  const int size = scaled(icon_size, dpi);
  auto& made = icons();
  std::pair<std::string, int> key{std::string(name), size};
  if (const auto found = made.find(key); found != made.end()) return found->second;
  return made[std::move(key)] = load_icon(name, size);
}

void release_button_icons() {
  for (auto& [name_and_size, icon] : icons()) {
    if (icon != nullptr) DestroyIcon(icon);
  }
  icons().clear();
}

}  // namespace toolkit::win32
