// The forms' font, Tahoma at 8 points (11 pixels at 96 dots per inch), made once for every control
// that shows text and for measuring texts.
#pragma once

#include <windows.h>

namespace toolkit::win32 {

HFONT form_font();
// Deletes the font; the next form_font makes it again.
void release_form_font();

}  // namespace toolkit::win32
