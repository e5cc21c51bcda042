// Text metrics from the system: the forms' font at the system's dpi selected into a screen device
// context, its sizes taken back to 96 dpi. Forms lay themselves out once for every monitor they
// may stand on, so texts are measured at one dpi.
#include <windows.h>

#include "toolkit/text_metrics.h"
#include "toolkit/win32/dpi.h"
#include "toolkit/win32/form_font.h"

namespace toolkit {
namespace {

// The screen's device context with the forms' font selected, for as long as it lives.
class ScreenTextContext {
 public:
  ScreenTextContext()
      : dpi_(win32::system_dpi()),
        dc_(GetDC(nullptr)),
        old_font_(SelectObject(dc_, win32::form_font(dpi_))) {}
  ~ScreenTextContext() {
    SelectObject(dc_, old_font_);
    ReleaseDC(nullptr, dc_);
  }
  ScreenTextContext(const ScreenTextContext&) = delete;
  ScreenTextContext& operator=(const ScreenTextContext&) = delete;
  HDC dc() const { return dc_; }
  int unscaled(int size) const { return win32::unscaled(size, dpi_); }

 private:
  int dpi_;
  HDC dc_;
  HGDIOBJ old_font_;
};

}  // namespace

int text_width(std::u16string_view text) {
  if (text.empty()) return 0;
  const ScreenTextContext context;
  SIZE size{};
  if (!GetTextExtentPoint32W(context.dc(), reinterpret_cast<const wchar_t*>(text.data()),
                             static_cast<int>(text.size()), &size))
    return 0;
  return context.unscaled(size.cx);
}

int text_height() {
  const ScreenTextContext context;
  TEXTMETRICW metrics{};
  if (!GetTextMetricsW(context.dc(), &metrics)) return 13;
  return context.unscaled(metrics.tmHeight);
}

}  // namespace toolkit
