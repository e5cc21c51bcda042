// The session commands.
#include "app/session.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "api/desktop_functions.h"
#include "api/host_state.h"
#include "api/viewer_events.h"
#include "app/recovery_files.h"
#include "app/session_help.h"
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

std::string rgba_text(std::uint32_t color) {
  char text[9];
  std::snprintf(text, sizeof text, "%02X%02X%02X%02X", color & 0xFFu, (color >> 8) & 0xFFu,
                (color >> 16) & 0xFFu, color >> 24);
  return text;
}

// The panels' form names, and what the session's panel actions are in the toolkit's commands.
const std::map<std::string, std::string, std::less<>> panel_actions = {
    {"open", "click FORM btn_open"},
    {"save", "click FORM btn_save"},
    {"close", "close FORM"},
    {"dblclick", "dblclick FORM"},
    {"menu", "menu FORM menu_"},
    {"key", "key FORM "},
    {"row", "cell FORM 0 "},
    {"swatch", "cell FORM 2 "},
    {"auto-select", "check FORM cbx_auto_select "},
};

// The form that a dialog kind of the answer and snapshot commands names: the add and rename
// dialog is the form the plug-in names frm_add_category.
std::string dialog_form(std::string_view kind) {
  return kind == "name" ? "frm_add_category" : std::string(kind);
}

}  // namespace

Session::Session(Viewer& viewer, std::ostream& out, std::ostream& errors, ModelLoader load_model)
    : viewer_(viewer), out_(out), errors_(errors), load_model_(std::move(load_model)) {
  host_state().desktop.dialog_filled = [this](const std::string& dialog, void* window,
                                              const std::string& display_list) {
    dialog_filled(dialog, window, display_list);
  };
}

Session::~Session() { host_state().desktop.dialog_filled = nullptr; }

void Session::run(std::istream& input, bool prompt) {
  if (prompt) out_ << "Type help for the commands, quit to leave.\n";
  std::string line;
  while (true) {
    if (prompt) out_ << "torv> " << std::flush;
    if (!std::getline(input, line)) break;
    if (!run_line(line)) break;
  }
}

bool Session::run_line(std::string_view line) {
  const auto [command, rest] = split_word(line.substr(0, line.find('#')));
  if (command.empty()) return true;
  if (command == "quit") {
    viewer_.unload_plugin();
    return false;
  }
  if (!viewer_.plugin_loaded()) {
    fail("the plug-in is unloaded");
    return true;
  }
  run_command(command, rest);
  out_ << std::flush;
  return true;
}

void Session::run_command(std::string_view command, std::string_view rest) {
  if (command == "ribbon") {
    print_ribbon();
  } else if (command == "click") {
    click(rest);
  } else if (command == "select") {
    select(rest);
  } else if (command == "hover") {
    hover(rest);
  } else if (command == "context") {
    open_context_menu();
  } else if (command == "choose") {
    choose(rest);
  } else if (command == "print") {
    print(rest);
  } else if (command == "panel") {
    act_on_panel(rest);
  } else if (command == "answer") {
    answer(rest);
  } else if (command == "load") {
    load(rest);
  } else if (command == "snapshot") {
    snapshot(rest);
  } else if (command == "render") {
    render(rest);
  } else if (command == "help") {
    out_ << session_help;
  } else {
    fail("unknown command '" + std::string(command) + "' (help lists the commands)");
  }
}

void Session::print(std::string_view what) {
  const auto [subject, rest] = split_word(what);
  HostState& state = host_state();
  if (subject == "panel") {
    if (rest != "batch" && rest != "status") return fail("print panel batch|status");
    toolkit("print " + std::string(rest));
  } else if (subject == "colors") {
    print_colors();
  } else if (subject == "selection") {
    std::vector<ObjectId> selected;
    for (std::size_t i = 0; i < state.selected.size(); ++i) {
      if (state.selected[i]) selected.push_back(Model::id_at(i));
    }
    print_objects(selected);
  } else if (subject == "hover") {
    print_objects(state.hover_set);
  } else if (subject == "recovery") {
    const std::vector<std::u16string> files = recovery_files(state.model.path, viewer_.plugin_path());
    out_ << files.size() << " recovery files\n";
    for (const std::u16string& file : files) out_ << utf8(file) << '\n';
  } else {
    fail("print panel|colors|selection|hover|recovery");
  }
}

void Session::print_objects(const std::vector<ObjectId>& ids) {
  const Model& model = host_state().model;
  out_ << ids.size() << " objects\n";
  for (const ObjectId id : ids) {
    const Object* object = model.find(id);
    if (object == nullptr) {
      out_ << "unknown object " << id << '\n';
      continue;
    }
    out_ << (object->guid.empty() ? "@" + std::to_string(model.index_of(id)) : utf8(object->guid)) << '\t'
         << object->entity << '\t' << utf8(object->name) << '\n';
  }
}

void Session::print_colors() {
  std::map<std::string, std::size_t> counts;
  for (const auto& color : host_state().colors) ++counts[color ? rgba_text(*color) : "default"];
  std::vector<std::pair<std::string, std::size_t>> rows(counts.begin(), counts.end());
  std::stable_sort(rows.begin(), rows.end(),
                   [](const auto& a, const auto& b) { return a.second > b.second; });
  for (const auto& [color, count] : rows) out_ << color << '\t' << count << '\n';
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

ObjectId Session::object(std::string_view name) {
  const Model& model = host_state().model;
  if (name.starts_with('@')) {
    std::size_t index = 0;
    const auto [end, error] = std::from_chars(name.data() + 1, name.data() + name.size(), index);
    if (error == std::errc() && end == name.data() + name.size() && index < model.size())
      return Model::id_at(index);
  } else if (const ObjectId id = model.find_by_guid(platform::from_utf8(name))) {
    return id;
  }
  fail("no object '" + std::string(name) + "'");
  return 0;
}

void Session::select(std::string_view objects) {
  std::vector<ObjectId> ids;
  if (objects != "none") {
    for (auto [name, rest] = split_word(objects); !name.empty(); std::tie(name, rest) = split_word(rest)) {
      const ObjectId id = object(name);
      if (id == 0) return;
      ids.push_back(id);
    }
  }
  HostState& state = host_state();
  std::fill(state.selected.begin(), state.selected.end(), false);
  for (const ObjectId id : ids) state.selected[state.model.index_of(id)] = true;
  fire_selection_change();
}

void Session::hover(std::string_view name) {
  const ObjectId id = object(name);
  if (id == 0) return;
  host_state().hovered = id;
  fire_hover();
}

void Session::open_context_menu() {
  fire_context_menu();
  HostState& state = host_state();
  if (state.context_menu.empty()) out_ << "context menu: nothing from the plug-in\n";
  for (const std::int32_t id : state.context_menu) {
    const RibbonButton* menu = state.find_button(id);
    if (menu == nullptr) continue;
    out_ << "drop-down \"" << utf8(menu->text) << "\"\n";
    for (const std::int32_t entry_id : menu->entries) {
      const RibbonButton* entry = state.find_button(entry_id);
      if (entry != nullptr && entry->visible) out_ << "  " << utf8(entry->text) << '\n';
    }
  }
}

void Session::choose(std::string_view entry) {
  HostState& state = host_state();
  const std::u16string caption = platform::from_utf8(entry);
  for (const std::int32_t id : state.context_menu) {
    const RibbonButton* menu = state.find_button(id);
    if (menu == nullptr) continue;
    for (const std::int32_t entry_id : menu->entries) {
      const RibbonButton* found = state.find_button(entry_id);
      if (found != nullptr && found->visible && found->text == caption) {
        click_button(entry_id);
        return;
      }
    }
  }
  fail("the context menu has no entry '" + std::string(entry) + "'");
}

void Session::act_on_panel(std::string_view arguments) {
  const auto [panel, action_text] = split_word(arguments);
  const auto [action, argument] = split_word(action_text);
  const auto found = panel_actions.find(action);
  if ((panel != "batch" && panel != "status") || found == panel_actions.end()) {
    return fail(
        "panel batch|status row N|swatch N|key K|dblclick|auto-select on|off|menu "
        "add|rename|delete|open|save|close");
  }
  std::string command = found->second;
  command.replace(command.find("FORM"), 4, panel);
  // The context menu without an entry only opens and lists its entries.
  if (action == "menu" && argument.empty()) command = "menu " + std::string(panel);
  toolkit(command + std::string(argument));
}

void Session::answer(std::string_view arguments) {
  const auto [kind, value] = split_word(arguments);
  const std::string dialog = dialog_form(kind);
  if (kind == "yes" || kind == "no") {
    host_state().desktop.answers["question"].emplace_back(std::string(kind));
    return;
  }
  if (kind != "open" && kind != "save" && kind != "color" && kind != "name") {
    return fail("answer open|save PATH, answer color AARRGGBB, answer name TEXT, answer yes|no, or cancel");
  }
  auto& queue = host_state().desktop.answers[dialog];
  if (value == "cancel") {
    queue.emplace_back(std::nullopt);
  } else {
    queue.emplace_back(std::string(value));
  }
}

void Session::load(std::string_view arguments) {
  if (!load_model_) return fail("this session cannot load models");
  const auto [first, rest] = split_word(arguments);
  try {
    Model model =
        first == "--generate" ? load_model_({}, std::string(rest)) : load_model_(std::string(arguments), {});
    out_ << "model: " << model.description << ", " << model.size() << " objects\n";
    viewer_.load_model(std::move(model));
  } catch (const std::exception& error) {
    fail(error.what());
  }
}

void Session::snapshot(std::string_view arguments) {
  const auto [subject, rest] = split_word(arguments);
  const auto [which, file] = split_word(rest);
  if (subject == "dialog" && !file.empty() &&
      (which == "color" || which == "name" || which == "open" || which == "save" || which == "message")) {
    dialog_pictures_[dialog_form(which)].emplace_back(file);
    return;
  }
  if (subject != "panel" || (which != "batch" && which != "status") || file.empty()) {
    return fail(
        "snapshot panel batch|status FILE.png, or snapshot dialog color|name|open|save|message FILE.png");
  }
  ShownForm form;
  form.display_list = desktop_command("paint " + std::string(which));
  if (form.display_list.starts_with("error: ")) return fail(form.display_list.substr(7));
  const std::string window = desktop_command("window " + std::string(which));
  std::uintptr_t handle = 0;
  std::from_chars(window.data(), window.data() + window.size(), handle);
  form.window = reinterpret_cast<void*>(handle);
  take_picture(form, std::string(file));
}

void Session::dialog_filled(const std::string& dialog, void* window, const std::string& display_list) {
  const auto queued = dialog_pictures_.find(dialog);
  if (queued == dialog_pictures_.end() || queued->second.empty()) return;
  const std::string file = queued->second.front();
  queued->second.pop_front();
  take_picture({window, display_list}, file);
}

void Session::take_picture(const ShownForm& form, const std::string& file) {
  try {
    draw_form_picture(form, file);
  } catch (const std::exception& error) {
    fail(error.what());
  }
}

void Session::render(std::string_view arguments) {
  const auto [file, size] = split_word(arguments);
  const auto [width_text, height_text] = split_word(size);
  int width = 1024;
  int height = 768;
  const auto read_number = [](std::string_view text, int& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
  };
  if (file.empty() ||
      (!size.empty() && (!read_number(width_text, width) || !read_number(height_text, height)))) {
    return fail("render FILE.png [WIDTH HEIGHT]");
  }
  try {
    draw_model_picture(host_state(), std::string(file), width, height);
  } catch (const std::exception& error) {
    fail(error.what());
  }
}

void Session::toolkit(const std::string& command) {
  const std::string reply = desktop_command(command);
  if (reply.starts_with("error: ")) return fail(reply.substr(7));
  out_ << reply;
}

void Session::fail(std::string_view message) {
  failed_ = true;
  errors_ << "error: " << message << '\n';
}

}  // namespace host
