// The forms' sizes are given at 96 dots per inch; each form's window is drawn at the dots per inch
// of the monitor it stands on, its own, which its controls share. Positions on the screen are the
// screen's own and are not scaled.
#pragma once

#include <windows.h>

#include "toolkit/geometry.h"

namespace toolkit::win32 {

// The system's dots per inch, the primary screen's: texts are measured at it.
int system_dpi();
// The dots per inch a new top-level window gets: the desktop's screen's where the desktop sets one,
// else the window's own as the system keeps it, else its monitor's, else the system's.
int dpi_at_creation(HWND window);
// The dots per inch of the form a window is part of (by its top-level window), as taken at the
// form's creation and at each change of its monitor's scale; the system's for any other window.
int dpi_of(HWND window);
void set_dpi_of(HWND form_window, int dpi);
void forget_dpi_of(HWND form_window);

// A size at 96 dpi in pixels at a dpi, and back.
int scaled(int size, int dpi);
int unscaled(int size, int dpi);
Rect scaled(const Rect& rect, int dpi);

// The frame the system draws around a client area at a dpi, both sides together.
SIZE frame_size(DWORD style, DWORD extended_style, int dpi);

}  // namespace toolkit::win32
