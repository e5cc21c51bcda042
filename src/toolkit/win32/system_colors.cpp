// The system's colours, read each time they are painted with: a High Contrast theme or another
// colour scheme takes effect at the next painting.
#include <windows.h>

#include "toolkit/backend.h"

namespace toolkit::backend {

Argb system_color(SystemColor which) {
  int index = COLOR_WINDOWTEXT;
  switch (which) {
    case SystemColor::window: index = COLOR_WINDOW; break;
    case SystemColor::window_text: index = COLOR_WINDOWTEXT; break;
    case SystemColor::face: index = COLOR_BTNFACE; break;
    case SystemColor::face_text: index = COLOR_BTNTEXT; break;
    case SystemColor::highlight: index = COLOR_HIGHLIGHT; break;
    case SystemColor::highlight_text: index = COLOR_HIGHLIGHTTEXT; break;
  }
  const COLORREF rgb = GetSysColor(index);
  return Argb{0xFF000000} | (Argb{GetRValue(rgb)} << 16) | (Argb{GetGValue(rgb)} << 8) | GetBValue(rgb);
}

}  // namespace toolkit::backend
