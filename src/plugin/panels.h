// The two attribute panels, indexed by PanelMode: created on first use, destroyed at unload.
#pragma once

#include "gui_uda/tfrm_uda.h"

extern Tfrm_uda* panels[2];

inline Tfrm_uda* panel(PanelMode mode) { return panels[static_cast<int>(mode)]; }

// The panel the context menu and an assignment act on: the status panel when it is visible,
// else the batch panel when it is visible; null when neither is.
Tfrm_uda* visible_panel();
