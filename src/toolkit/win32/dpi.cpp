// The dots per inch the forms are drawn at: the screen's at first, then the monitor's that a form
// was moved to (WM_DPICHANGED).
#include "toolkit/win32/dpi.h"

#include <windows.h>

#include <cmath>

namespace toolkit::win32 {
namespace {

int screen_dpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen != nullptr) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

int& current_dpi() {
  static int dpi = screen_dpi();
  return dpi;
}

}  // namespace

double dpi_scale() { return current_dpi() / 96.0; }

bool set_dpi(int dpi) {
  if (dpi <= 0 || dpi == current_dpi()) return false;
  current_dpi() = dpi;
  return true;
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
