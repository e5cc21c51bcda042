// Text metrics from the system: the forms' font selected into a screen device context. The font is
// made 11 pixels high whatever the screen's dots per inch, so the sizes come out at 96 dpi.
#include <windows.h>

#include "toolkit/text_metrics.h"
#include "toolkit/win32/form_font.h"

namespace toolkit {
namespace {

// The screen's device context with the forms' font selected, for as long as it lives.
class ScreenTextContext {
 public:
  ScreenTextContext() : dc_(GetDC(nullptr)), old_font_(SelectObject(dc_, win32::form_font())) {}
  ~ScreenTextContext() {
    SelectObject(dc_, old_font_);
    ReleaseDC(nullptr, dc_);
  }
  ScreenTextContext(const ScreenTextContext&) = delete;
  ScreenTextContext& operator=(const ScreenTextContext&) = delete;
  HDC dc() const { return dc_; }

 private:
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
  return size.cx;
}

int text_height() {
  const ScreenTextContext context;
  TEXTMETRICW metrics{};
  if (!GetTextMetricsW(context.dc(), &metrics)) return 13;
  return metrics.tmHeight;
}

}  // namespace toolkit
