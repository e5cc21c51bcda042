// Events are delivered only to callbacks the plug-in registered.
#include "api/viewer_events.h"

#include "api/host_state.h"

namespace host {

void fire_model_load() {
  if (auto callback = host_state().events.model_load) callback();
}

void fire_model_clear() {
  if (auto callback = host_state().events.model_clear) callback();
}

void fire_selection_change() {
  if (auto callback = host_state().events.selection_change) callback();
}

void fire_hover() {
  if (auto callback = host_state().events.hover) callback();
}

void fire_context_menu() {
  HostState& state = host_state();
  state.context_menu.clear();
  if (auto callback = state.events.context_menu) callback();
}

bool click_button(std::int32_t id) {
  HostState& state = host_state();
  const RibbonButton* button = state.find_button(id);
  if (button == nullptr) return false;
  state.clicked_button = id;
  if (button->callback != nullptr) button->callback();
  return true;
}

}  // namespace host
