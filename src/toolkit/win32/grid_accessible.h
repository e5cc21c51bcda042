// The grid window's accessibility object (MSAA), and the events that tell screen readers where the
// current row went.
#pragma once

#include <windows.h>

namespace toolkit {
class DrawGrid;
}

namespace toolkit::win32 {

// The answer to WM_GETOBJECT: the table of rows for OBJID_CLIENT (of cells in a grid that is no
// list of rows, a palette), the system's answer otherwise.
LRESULT answer_get_object(HWND window, WPARAM w, LPARAM l);

// The grid window's own message, posted to it once the grid changed: tell_grid_changes answers it.
constexpr UINT grid_changes_message = WM_APP + 3;

// The grid changed (its rows, their words, the current row). A move of the current row raises
// the selection event, and the focus event while the grid has the focus, at once; a change of the
// rows is looked at once it is whole, after the message being handled (tell_grid_changes). The rows
// a grid first shows are where it starts, not a change.
void announce_grid_changes(HWND window, const DrawGrid& grid);
// A row whose words or mark changed raises the name change, or the state and description change;
// rows added, removed or put in another order raise the reorder of the table; after any of these
// the current row raises the selection event, and the focus event while the grid has the focus.
void tell_grid_changes(HWND window, const DrawGrid& grid);
// The grid took the focus: its current row is the focused object.
void announce_focused_row(HWND window, const DrawGrid& grid);
void forget_announced_row(HWND window);

// At the plug-in's unload: objects still held by clients keep the module loaded.
void keep_module_for_accessible_objects();

}  // namespace toolkit::win32
