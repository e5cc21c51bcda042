// The accessibility object (MSAA) of a grid of cells rather than rows, as the colour dialog's
// palettes are, and the events that tell screen readers where the current cell went.
#pragma once

#include <windows.h>

namespace toolkit {
class DrawGrid;
}

namespace toolkit::win32 {

// The answer to WM_GETOBJECT for OBJID_CLIENT: a table named as the grid whose children are its
// cells, row by row (child k is cell k - 1), each named by what it says read aloud.
LRESULT answer_palette_object(HWND window, WPARAM w, LPARAM l);

// Raises the selection event, and the focus event while the grid has the focus, when the current
// cell differs from the one last told.
void tell_current_cell(HWND window, const DrawGrid& grid);
// The grid took the focus: its current cell is the focused object.
void announce_focused_cell(HWND window, const DrawGrid& grid);
void forget_told_cell(HWND window);

}  // namespace toolkit::win32
