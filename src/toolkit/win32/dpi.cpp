// The screen's dots per inch, read once: the system's setting holds for the session.
#include "toolkit/win32/dpi.h"

#include <windows.h>

#include <cmath>

namespace toolkit::win32 {

double dpi_scale() {
  static const double scale = [] {
    HDC screen = GetDC(nullptr);
    const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen != nullptr) ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi / 96.0 : 1.0;
  }();
  return scale;
}

int scaled(int size) { return static_cast<int>(std::lround(size * dpi_scale())); }

int unscaled(int size) { return static_cast<int>(std::lround(size / dpi_scale())); }

Rect scaled(const Rect& rect) {
  // Both edges are scaled, so that neighbouring rectangles stay neighbours.
  const int left = scaled(rect.left);
  const int top = scaled(rect.top);
  return {left, top, scaled(rect.left + rect.width) - left, scaled(rect.top + rect.height) - top};
}

}  // namespace toolkit::win32
