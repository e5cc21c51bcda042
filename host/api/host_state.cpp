// The one host state of the process.
#include "api/host_state.h"

namespace host {

void HostState::set_model(Model new_model) {
  model = std::move(new_model);
  tree.assign(model);
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

namespace {

template <class Char>
const Char* text_handed_out(Misbehaviour::Texts how, const std::basic_string<Char>& text,
                            bool null_when_empty) {
  static constexpr Char empty[1] = {};
  switch (how) {
    case Misbehaviour::Texts::as_they_are: return null_when_empty && text.empty() ? nullptr : text.c_str();
    case Misbehaviour::Texts::empty: return empty;
    case Misbehaviour::Texts::null: return nullptr;
  }
  return nullptr;
}

}  // namespace

const char16_t* HostState::handed_out(const std::u16string& text) const {
  return text_handed_out(misbehaviour.texts, text, true);
}

const char* HostState::handed_out(const std::string& text) const {
  return text_handed_out(misbehaviour.texts, text, true);
}

const char16_t* HostState::handed_out_always(const std::u16string& text) const {
  return text_handed_out(misbehaviour.texts, text, false);
}

HostState& host_state() {
  static HostState state;
  return state;
}

}  // namespace host
