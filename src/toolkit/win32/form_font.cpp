// The forms' font, made on first use.
#include "toolkit/win32/form_font.h"

namespace toolkit::win32 {
namespace {

HFONT font = nullptr;

}  // namespace

HFONT form_font() {
  if (font == nullptr) {
    font = CreateFontW(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"Tahoma");
  }
  return font;
}

void release_form_font() {
  if (font == nullptr) return;
  DeleteObject(font);
  font = nullptr;
}

}  // namespace toolkit::win32
