// The forms' sizes are given at 96 dots per inch; the windows are made at the screen's dots per
// inch. Positions on the screen are the screen's own and are not scaled.
#pragma once

#include "toolkit/geometry.h"

namespace toolkit::win32 {

// The dots per inch over 96 (1 on a 96-dpi screen).
double dpi_scale();
// The monitor's dots per inch after a move or a change of its setting; false when unchanged.
bool set_dpi(int dpi);
// A size at 96 dpi in the screen's pixels, and back.
int scaled(int size);
int unscaled(int size);
Rect scaled(const Rect& rect);

}  // namespace toolkit::win32
