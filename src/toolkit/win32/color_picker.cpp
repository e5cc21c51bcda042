// The system's colour picker (ChooseColorW) for the colour dialog's red, green and blue. Under the
// stand-in's desktop it is confirmed as it opened, or typed into from the desktop's keys.
#include <windows.h>

#include <commdlg.h>

#include <array>

#include "toolkit/backend.h"
#include "toolkit/desktop/desktop_answers.h"
#include "toolkit/desktop/desktop_link.h"
#include "toolkit/win32/desktop_input.h"
#include "toolkit/win32/native_windows.h"

namespace toolkit::backend {

std::optional<Argb> pick_color(void* owner_window, Argb start) {
  const auto owner = static_cast<HWND>(owner_window);
  if (!IsWindow(owner)) return std::nullopt;
  // The picker's own custom colours live as long as the plug-in.
  static std::array<COLORREF, 16> custom = [] {
    std::array<COLORREF, 16> white{};
    white.fill(RGB(255, 255, 255));
    return white;
  }();
  CHOOSECOLORW request{};
  request.lStructSize = sizeof request;
  request.hwndOwner = owner;
  request.rgbResult = win32::colorref(start);
  request.lpCustColors = custom.data();
  request.Flags = CC_RGBINIT | CC_FULLOPEN | CC_ANYCOLOR;
  if (desktop::desktop_offered()) win32::answer_next_box("picker", IDOK, desktop::queued_keys("picker"));
  // The owner is the colour dialog, whose run has disabled every other window already.
  const BOOL picked = ChooseColorW(&request);
  win32::stop_typing();
  if (!picked) return std::nullopt;
  const COLORREF rgb = request.rgbResult;
  return Argb{0xFF000000} | (Argb{GetRValue(rgb)} << 16) | (Argb{GetGValue(rgb)} << 8) | GetBValue(rgb);
}

}  // namespace toolkit::backend
