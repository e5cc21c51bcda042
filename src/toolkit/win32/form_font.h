// The forms' font, Tahoma of 8 points (height -11 at 96 dpi), at the screen's dpi: the controls'
// windows show their texts in it.
#pragma once

#include <windows.h>

namespace toolkit::win32 {

// Made on first use and kept until release_form_font.
HFONT form_font();
void release_form_font();

}  // namespace toolkit::win32
