// The session commands.
#include "app/session.h"

#include <charconv>
#include <iostream>
#include <string>

#include "api/host_state.h"
#include "api/viewer_events.h"
#include "app/text_output.h"

namespace host {
namespace {

std::string_view trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

// The first word of text, and what follows it.
std::pair<std::string_view, std::string_view> split_word(std::string_view text) {
  text = trimmed(text);
  const auto space = text.find_first_of(" \t");
  if (space == std::string_view::npos) return {text, {}};
  return {text.substr(0, space), trimmed(text.substr(space))};
}

const char* kind_name(ButtonKind kind) {
  switch (kind) {
    case ButtonKind::large: return "button";
    case ButtonKind::small: return "small button";
    case ButtonKind::drop_down: return "drop-down";
  }
  return "button";
}

}  // namespace

Session::Session(Viewer& viewer, std::ostream& out, std::ostream& errors)
    : viewer_(viewer), out_(out), errors_(errors) {}

void Session::run(std::istream& input, bool prompt) {
  std::string line;
  while (true) {
    if (prompt) out_ << "torv> " << std::flush;
    if (!std::getline(input, line)) break;
    if (!run_line(line)) break;
  }
}

bool Session::run_line(std::string_view line) {
  const auto comment = line.find('#');
  const auto [command, rest] = split_word(line.substr(0, comment));
  if (command.empty()) return true;
  if (command == "quit") {
    viewer_.unload_plugin();
    return false;
  }
  if (!viewer_.plugin_loaded()) {
    fail("the plug-in is unloaded");
  } else if (command == "ribbon") {
    print_ribbon();
  } else if (command == "click") {
    click(rest);
  } else {
    fail("unknown command '" + std::string(command) + "'");
  }
  return true;
}

void Session::print_ribbon() {
  const HostState& state = host_state();
  const auto print_button = [&](const RibbonButton& button, const char* indent) {
    out_ << indent << kind_name(button.kind) << ' ' << button.id << " \"" << utf8(button.text) << '"'
         << (button.visible ? "" : " (hidden)") << '\n';
    if (!button.hint.empty()) out_ << indent << "  hint: " << utf8(button.hint) << '\n';
    if (!button.image.empty()) out_ << indent << "  image: " << utf8(button.image) << '\n';
    if (!button.small_image.empty()) out_ << indent << "  small image: " << utf8(button.small_image) << '\n';
  };
  for (const RibbonGroup& group : state.groups) {
    out_ << "group " << group.id << " \"" << utf8(group.caption) << "\"\n";
    for (const std::int32_t id : group.buttons) {
      for (const RibbonButton& button : state.buttons) {
        if (button.id == id) print_button(button, "  ");
      }
    }
  }
  // Buttons outside every group: the context-menu drop-down and its entries.
  for (const RibbonButton& button : state.buttons) {
    if (button.group != -1 || button.kind != ButtonKind::drop_down) continue;
    print_button(button, "");
    out_ << "  entries: " << button.entries.size() << '\n';
  }
}

void Session::click(std::string_view target) {
  const HostState& state = host_state();
  std::int32_t id = 0;
  const auto [end, error] = std::from_chars(target.data(), target.data() + target.size(), id);
  const bool numeric = error == std::errc() && end == target.data() + target.size();
  if (!numeric) {
    const std::u16string caption = platform::from_utf8(target);
    id = 0;
    for (const RibbonButton& button : state.buttons) {
      if (button.text == caption && button.visible) {
        id = button.id;
        break;
      }
    }
  }
  if (id == 0 || !click_button(id)) fail("no button '" + std::string(target) + "'");
}

void Session::fail(std::string_view message) {
  failed_ = true;
  errors_ << "error: " << message << '\n';
}

}  // namespace host
