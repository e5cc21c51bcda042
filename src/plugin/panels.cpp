// The panels' slots.
#include "plugin/panels.h"

Tfrm_uda* panels[2] = {nullptr, nullptr};

Tfrm_uda* visible_panel() {
  for (const PanelMode mode : {PanelMode::Status, PanelMode::Batch}) {
    Tfrm_uda* candidate = panel(mode);
    if (candidate != nullptr && candidate->visible()) return candidate;
  }
  return nullptr;
}
