// The one host state of the process.
#include "api/host_state.h"

namespace host {

void HostState::set_model(Model new_model) {
  model = std::move(new_model);
  user_data.assign(model.size(), nullptr);
  colors.assign(model.size(), std::nullopt);
  selected.assign(model.size(), false);
  hover_set.clear();
  hovered = 0;
}

RibbonButton* HostState::find_button(std::int32_t id) {
  for (RibbonButton& button : buttons) {
    if (button.id == id) return &button;
  }
  return nullptr;
}

HostState& host_state() {
  static HostState state;
  return state;
}

}  // namespace host
