// The forms' font, one for each dpi a form has had.
#include "toolkit/win32/form_font.h"

#include <map>

#include "toolkit/win32/dpi.h"

namespace toolkit::win32 {
namespace {

std::map<int, HFONT>& fonts() {
  static std::map<int, HFONT> made;
  return made;
}

}  // namespace

HFONT form_font(int dpi) {
  HFONT& font = fonts()[dpi];
  if (font == nullptr) {
    font = CreateFontW(-scaled(11, dpi), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                       L"Tahoma");
  }
  return font;
}

void release_form_fonts() {
  for (auto& [dpi, font] : fonts()) {
    if (font != nullptr) DeleteObject(font);
  }
  fonts().clear();
}

}  // namespace toolkit::win32
