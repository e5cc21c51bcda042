// The forms' font, Tahoma of 8 points (height -11 at 96 dpi), at a form's dpi: the controls'
// windows show their texts in it.
#pragma once

#include <windows.h>

namespace toolkit::win32 {

// Made on first use for each dpi and kept until release_form_fonts.
HFONT form_font(int dpi);
void release_form_fonts();

}  // namespace toolkit::win32
