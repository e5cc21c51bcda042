// The grid window's accessibility object (MSAA), and the events that tell screen readers where the
// current row went.
#pragma once

#include <windows.h>

namespace toolkit {
class DrawGrid;
}

namespace toolkit::win32 {

// The answer to WM_GETOBJECT: the table of rows for OBJID_CLIENT, the system's answer otherwise.
LRESULT answer_get_object(HWND window, WPARAM w, LPARAM l);

// Raises the selection event, and the focus event while the grid has the focus, when the current
// row differs from the one last told.
void announce_current_row(HWND window, const DrawGrid& grid);
// The grid took the focus: its current row is the focused object.
void announce_focused_row(HWND window, const DrawGrid& grid);
void forget_announced_row(HWND window);

// At the plug-in's unload: objects still held by clients keep the module loaded.
void keep_module_for_accessible_objects();

}  // namespace toolkit::win32
