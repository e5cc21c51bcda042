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

void Desktop::queue_answer(const std::string& kind, std::optional<std::string> answer) {
  answers[kind].emplace_back(answers_queued++, std::move(answer));
}

std::optional<std::optional<std::string>> Desktop::take_answer(const std::string& kind) {
  auto& queue = answers[kind];
  if (queue.empty()) return std::nullopt;
  std::optional<std::string> answer = std::move(queue.front().second);
  queue.pop_front();
  return answer;
}

std::optional<std::string> Desktop::take_keys(const std::string& kind) {
  auto& keys = answers["keys"];
  const auto& own = answers[kind];
  if (keys.empty() || (!own.empty() && own.front().first < keys.front().first)) return std::nullopt;
  std::optional<std::string> taken = std::move(keys.front().second);
  keys.pop_front();
  return taken;
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
