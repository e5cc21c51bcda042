// The stand-in viewer firing its events at the plug-in's registered callbacks.
#pragma once

#include <cstdint>

namespace host {

// After a model load.
void fire_model_load();
// Before the model goes: another is loaded, or the viewer closes.
void fire_model_clear();
// After the user changed the selection (never after the plug-in's own select calls).
void fire_selection_change();
// When the mouse moves onto an object.
void fire_hover();
// While the viewer builds its context menu: the menu starts empty of the plug-in's drop-downs.
void fire_context_menu();

// A click on a ribbon button or drop-down entry: the viewer notes which one, then calls its callback.
// False when no button has this id.
bool click_button(std::int32_t id);

}  // namespace host
