// Each form's dots per inch: its monitor's when its window is made, then the one each WM_DPICHANGED
// brings; sizes scaled by it.
#include "toolkit/win32/dpi.h"

#include <cmath>
#include <map>

#include "toolkit/desktop/desktop_link.h"
#include "toolkit/win32/dpi_functions.h"

namespace toolkit::win32 {
namespace {

// MDT_EFFECTIVE_DPI of GetDpiForMonitor: the scale the user chose for the monitor.
constexpr int effective_dpi = 0;

std::map<HWND, int>& form_dpis() {
  static std::map<HWND, int> dpis;
  return dpis;
}

}  // namespace

int system_dpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen != nullptr) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

int dpi_at_creation(HWND window) {
  if (const std::optional<int> desktop = desktop::desktop_dpi()) return *desktop;
  const DpiFunctions& system = dpi_functions();
  if (system.dpi_for_window != nullptr) {
    if (const UINT dpi = system.dpi_for_window(window); dpi > 0) return static_cast<int>(dpi);
  }
  if (system.dpi_for_monitor != nullptr) {
    UINT x = 0;
    UINT y = 0;
    if (SUCCEEDED(system.dpi_for_monitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), effective_dpi,
                                         &x, &y)) &&
        y > 0)
      return static_cast<int>(y);
  }
  return system_dpi();
}

int dpi_of(HWND window) {
  const auto found = form_dpis().find(GetAncestor(window, GA_ROOT));
  return found != form_dpis().end() ? found->second : system_dpi();
}

void set_dpi_of(HWND form_window, int dpi) { form_dpis()[form_window] = dpi; }

void forget_dpi_of(HWND form_window) { form_dpis().erase(form_window); }

int scaled(int size, int dpi) { return static_cast<int>(std::lround(size * dpi / 96.0)); }

int unscaled(int size, int dpi) { return static_cast<int>(std::lround(size * 96.0 / dpi)); }

Rect scaled(const Rect& rect, int dpi) {
  // Both edges are scaled, so that neighbouring rectangles stay neighbours.
  const int left = scaled(rect.left, dpi);
  const int top = scaled(rect.top, dpi);
  return {left, top, scaled(rect.left + rect.width, dpi) - left, scaled(rect.top + rect.height, dpi) - top};
}

SIZE frame_size(DWORD style, DWORD extended_style, int dpi) {
  RECT r{0, 0, 0, 0};
  const auto adjust_for_dpi = dpi_functions().adjust_rect_for_dpi;
  if (adjust_for_dpi == nullptr || !adjust_for_dpi(&r, style, FALSE, extended_style, static_cast<UINT>(dpi)))
    AdjustWindowRectEx(&r, style, FALSE, extended_style);
  return {r.right - r.left, r.bottom - r.top};
}

}  // namespace toolkit::win32
