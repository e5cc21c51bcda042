// The session commands.
#include "app/session.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "api/desktop_functions.h"
#include "api/host_state.h"
#include "api/viewer_events.h"
#include "app/color_text.h"
#include "app/host_platform.h"
#include "app/process_memory.h"
#include "app/recovery_files.h"
#include "app/session_help.h"
#include "app/text_match.h"
#include "app/text_output.h"
#include "app/utf8_path.h"
#include "model/model_file.h"

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

// The first word in small letters, and what follows it: keywords are read regardless of case.
std::pair<std::string, std::string_view> split_keyword(std::string_view text) {
  const auto [word, rest] = split_word(text);
  return {lower_case(word), rest};
}

// A line without its comment: # at the start of the line or on its own word starts one; a # that
// begins a word, as in #RRGGBB, is part of it.
std::string_view without_comment(std::string_view line) {
  for (std::size_t at = line.find('#'); at != std::string_view::npos; at = line.find('#', at + 1)) {
    const bool word_ends = at + 1 == line.size() || line[at + 1] == ' ' || line[at + 1] == '\t';
    if (trimmed(line.substr(0, at)).empty() || word_ends) return line.substr(0, at);
  }
  return line;
}

bool read_number(std::string_view text, int& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return !text.empty() && error == std::errc() && end == text.data() + text.size();
}

const char* kind_name(ButtonKind kind) {
  switch (kind) {
    case ButtonKind::large: return "button";
    case ButtonKind::small: return "small button";
    case ButtonKind::drop_down: return "drop-down";
  }
  return "button";
}

// What the session's panel actions are in the toolkit's commands; FORM is the panel.
struct PanelAction {
  std::string_view word;
  std::string_view toolkit;
  std::string_view argument;  // what the action takes, for the usage line; empty: nothing
};

constexpr PanelAction panel_actions[] = {
    {"row", "cell FORM 0 ", "N [right]"},
    {"swatch", "cell FORM 2 ", "N [right]"},
    {"key", "key FORM ", "enter|space|up|down|left|right|home|end"},
    {"dblclick", "dblclick FORM", ""},
    {"hint", "hint FORM ", "N"},
    {"auto-select", "check FORM cbx_auto_select ", "on|off"},
    {"menu", "menu FORM menu_", "[add|rename|delete|color|select|undo|redo|only|all|palette]"},
    {"undo", "menu FORM menu_undo", ""},
    {"redo", "menu FORM menu_redo", ""},
    {"open", "click FORM btn_open", ""},
    {"save", "click FORM btn_save", ""},
    {"close", "close FORM", ""},
    {"keys", "keys FORM ", "TEXT"},
};

std::string panel_usage() {
  std::string usage = "panel batch|status ACTION, ACTION one of:";
  for (const PanelAction& action : panel_actions) {
    usage += ' ';
    usage += action.word;
    if (!action.argument.empty()) usage += ' ' + std::string(action.argument);
    usage += ',';
  }
  usage.pop_back();
  return usage;
}

bool is_panel(std::string_view word) { return word == "batch" || word == "status"; }

// The form that a dialog kind of the answer and snapshot commands names: the add and rename
// dialog is the form the plug-in names frm_add_category.
std::string dialog_form(std::string_view kind) {
  return kind == "name" ? "frm_add_category" : std::string(kind);
}

// The toolkit's terse errors, said as what the user did wrong and what is accepted.
std::string explained(const std::string& reply, const std::string& panel) {
  const std::string message = reply.substr(7);
  if (message.starts_with("no form ")) {
    return "the " + panel + " panel is not open: click its ribbon button first";
  }
  if (message.starts_with("unknown key ")) {
    return "no key '" + message.substr(12) + "': enter, space, up, down, left, right, home or end";
  }
  if (message.starts_with("no menu item menu_")) {
    return "the grid's context menu has no entry '" + message.substr(18) +
           "': add, rename, delete, color, select, undo, redo, only, all or palette";
  }
  if (message.starts_with("the menu item menu_")) {
    const std::string entry = message.substr(19, message.find(' ', 19) - 19);
    return "the grid's context menu entry '" + entry + "' is disabled on the current row";
  }
  if (message == "the button is disabled") return "the " + panel + " panel's button is disabled now";
  if (message == "the command failed") return "the " + panel + " panel's toolkit could not do it";
  return message;
}

constexpr std::size_t find_limit = 50;

}  // namespace

const std::vector<Session::Command>& Session::commands() {
  static const std::vector<Command> table = {
      {"ribbon", &Session::print_ribbon},
      {"click", &Session::click},
      {"select", &Session::select},
      {"hover", &Session::hover},
      {"find", &Session::find},
      {"context", &Session::open_context_menu},
      {"choose", &Session::choose},
      {"panel", &Session::act_on_panel},
      {"answer", &Session::answer},
      {"print", &Session::print},
      {"snapshot", &Session::snapshot},
      {"render", &Session::render},
      {"load", &Session::load},
      {"save-model", &Session::save_model},
      {"clipboard", &Session::put_on_clipboard},
      {"settings", &Session::change_settings},
      {"help", &Session::print_help},
  };
  return table;
}

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
  line = without_comment(line);
  const auto [command, rest] = split_keyword(line);
  if (command.empty()) return true;
  if (command == "quit") {
    viewer_.close();
    return false;
  }
  if (!viewer_.plugin_loaded()) {
    fail("the plug-in is unloaded");
    return true;
  }
  const auto& table = commands();
  const auto found = std::find_if(table.begin(), table.end(),
                                  [&word = command](const Command& c) { return c.word == word; });
  if (found == table.end()) {
    fail("unknown command '" + std::string(split_word(line).first) + "' (help lists the commands)");
  } else {
    (this->*found->run)(rest);
  }
  out_ << std::flush;
  return true;
}

void Session::print_help(std::string_view) { out_ << session_help; }

void Session::print(std::string_view what) {
  const auto [subject, rest] = split_keyword(what);
  HostState& state = host_state();
  if (subject == "panel") {
    const auto [panel, parts] = split_keyword(rest);
    if (!is_panel(panel) || (!parts.empty() && parts != "parts" && parts != "totals"))
      return fail("print panel batch|status [parts|totals], not '" + std::string(rest) + "'");
    toolkit("print " + panel + (parts.empty() ? "" : " " + std::string(parts)), panel);
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
  } else if (subject == "history") {
    const std::string panel = lower_case(rest);
    if (!is_panel(panel)) return fail("print history batch|status, not '" + std::string(rest) + "'");
    toolkit("query " + panel + " history", panel);
  } else if (subject == "recovery") {
    const std::vector<std::u16string> files = recovery_files(state.model.path, viewer_.plugin_path());
    out_ << files.size() << " recovery files\n";
    for (const std::u16string& file : files) out_ << utf8(file) << '\n';
  } else if (subject == "memory") {
    const std::optional<ProcessMemory> memory = process_memory();
    if (!memory) return fail("the system does not say how much memory torv-host uses");
    out_ << "working set\t" << memory->working_set_kb << " KB\npeak working set\t" << memory->peak_working_set_kb
         << " KB\n";
  } else {
    fail(
        "print panel batch|status, print history batch|status, print colors, print selection, print hover or "
        "print recovery or print memory, not '" +
        std::string(what) + "'");
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

void Session::print_ribbon(std::string_view) {
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
  int id = 0;
  if (!read_number(target, id)) {
    const std::u16string caption = platform::from_utf8(target);
    id = 0;
    for (const RibbonButton& button : state.buttons) {
      if (button.visible && equal_ignoring_case(button.text, caption)) {
        id = button.id;
        break;
      }
    }
  }
  if (id != 0 && click_button(id)) return;
  std::string captions;
  for (const RibbonGroup& group : state.groups) {
    for (const std::int32_t button_id : group.buttons) {
      const RibbonButton* button = host_state().find_button(button_id);
      if (button == nullptr || !button->visible) continue;
      captions +=
          (captions.empty() ? "" : ", ") + utf8(button->text) + " (" + std::to_string(button_id) + ")";
    }
  }
  fail("no button '" + std::string(target) + "': the ribbon has " + (captions.empty() ? "none" : captions));
}

ObjectId Session::object(std::string_view name) {
  const Model& model = host_state().model;
  if (name.starts_with('@')) {
    int index = 0;
    if (read_number(name.substr(1), index) && index >= 0 && static_cast<std::size_t>(index) < model.size())
      return Model::id_at(static_cast<std::size_t>(index));
    fail("no object '" + std::string(name) + "': @N counts the model's objects from @0 to @" +
         std::to_string(model.size() - 1));
    return 0;
  }
  const std::u16string text = platform::from_utf8(name);
  if (const ObjectId id = model.find_by_guid(text)) return id;
  // The one object whose name or tag is the text, else the one whose GUID, entity, name or tag
  // contains it.
  const std::vector<ObjectId> named = matches(text, false);
  if (named.size() == 1) return named.front();
  const std::vector<ObjectId> found = named.empty() ? matches(text, true) : named;
  if (found.size() == 1) return found.front();
  if (found.empty()) {
    fail("no object '" + std::string(name) +
         "': give a GUID, @N, or a name or tag of one object (find TEXT searches)");
  } else {
    fail("'" + std::string(name) + "' fits " + std::to_string(found.size()) +
         " objects: give a GUID, @N, or a name or tag of one object (find " + std::string(name) +
         " lists them)");
  }
  return 0;
}

std::vector<ObjectId> Session::matches(std::u16string_view text, bool containing) const {
  const Model& model = host_state().model;
  std::vector<ObjectId> found;
  for (std::size_t index = 0; index < model.size(); ++index) {
    const Object& object = *model.find(Model::id_at(index));
    const bool fits =
        containing
            ? contains_ignoring_case(object.guid, text) ||
                  contains_ignoring_case(std::u16string(object.entity.begin(), object.entity.end()), text) ||
                  contains_ignoring_case(object.name, text) || contains_ignoring_case(object.tag, text)
            : equal_ignoring_case(object.name, text) || equal_ignoring_case(object.tag, text);
    if (fits) found.push_back(Model::id_at(index));
  }
  return found;
}

void Session::select(std::string_view objects) {
  if (objects.empty()) return fail("select GUID|@N|NAME..., or select none");
  std::vector<ObjectId> ids;
  if (lower_case(objects) != "none") {
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
  if (name.empty()) return fail("hover GUID|@N|NAME");
  const ObjectId id = object(name);
  if (id == 0) return;
  host_state().hovered = id;
  fire_hover();
}

void Session::find(std::string_view text) {
  if (text.empty()) return fail("find TEXT: the objects whose GUID, entity, name or tag contain TEXT");
  const Model& model = host_state().model;
  const std::vector<ObjectId> found = matches(platform::from_utf8(text), true);
  for (std::size_t shown = 0; shown < std::min(found.size(), find_limit); ++shown) {
    const Object& object = *model.find(found[shown]);
    out_ << (object.guid.empty() ? "@" + std::to_string(model.index_of(found[shown])) : utf8(object.guid))
         << '\t' << object.entity << '\t' << utf8(object.name) << '\t' << utf8(object.tag) << '\n';
  }
  if (found.empty()) out_ << "no object's GUID, entity, name or tag contains '" << text << "'\n";
  if (found.size() > find_limit) out_ << "and " << found.size() - find_limit << " more\n";
}

void Session::open_context_menu(std::string_view) {
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
  std::string entries;
  for (const std::int32_t id : state.context_menu) {
    const RibbonButton* menu = state.find_button(id);
    if (menu == nullptr) continue;
    for (const std::int32_t entry_id : menu->entries) {
      const RibbonButton* found = state.find_button(entry_id);
      if (found == nullptr || !found->visible) continue;
      if (equal_ignoring_case(found->text, caption)) {
        click_button(entry_id);
        return;
      }
      entries += (entries.empty() ? "" : ", ") + utf8(found->text);
    }
  }
  if (state.context_menu.empty()) {
    return fail("no context menu is open: context opens it (with the batch or status panel shown)");
  }
  fail("the context menu has no entry '" + std::string(entry) + "': it has " +
       (entries.empty() ? "none" : entries));
}

std::optional<std::vector<std::string>> Session::panel_rows(const std::string& panel) {
  const std::string reply = desktop_command("print " + panel);
  if (reply.starts_with("error: ")) {
    fail(explained(reply, panel));
    return std::nullopt;
  }
  std::vector<std::string> rows;
  std::istringstream lines(reply);
  std::string line;
  std::getline(lines, line);  // caption and visibility
  std::getline(lines, line);  // the column headers
  while (std::getline(lines, line)) rows.push_back(line);
  return rows;
}

void Session::act_on_panel(std::string_view arguments) {
  const auto [panel, action_text] = split_keyword(arguments);
  const auto [action, argument_text] = split_keyword(action_text);
  const auto found = std::find_if(std::begin(panel_actions), std::end(panel_actions),
                                  [&word = action](const PanelAction& a) { return a.word == word; });
  if (!is_panel(panel)) return fail("no panel '" + panel + "': " + panel_usage());
  if (found == std::end(panel_actions)) return fail("no panel action '" + action + "': " + panel_usage());
  // Keywords in small letters; a row number and keys as they stand.
  const std::string argument = action == "keys" ? std::string(argument_text) : lower_case(argument_text);
  if (found->argument == "N [right]") {
    // A row number, and right for a right click.
    const auto [number, button] = split_word(argument);
    int row = 0;
    if (!read_number(number, row) || (!button.empty() && button != "right")) {
      return fail("panel " + panel + ' ' + action +
                  " N [right]: a row number from 1, right for a right click");
    }
    const auto rows = panel_rows(panel);
    if (!rows) return;
    if (row < 1 || static_cast<std::size_t>(row) > rows->size()) {
      return fail("no row " + std::string(number) + ": the " + panel + " panel has " +
                  std::to_string(rows->size()) + " rows");
    }
  } else if (found->argument == "on|off" && argument != "on" && argument != "off") {
    return fail("panel " + panel + " auto-select on|off, not '" + argument + "'");
  } else if (found->argument.empty() && !argument.empty()) {
    return fail("panel " + panel + ' ' + action + " takes nothing, not '" + argument + "'");
  } else if ((action == "key" || action == "keys") && argument.empty()) {
    return fail("panel " + panel + " key " + std::string(found->argument));
  }
  std::string command(found->toolkit);
  command.replace(command.find("FORM"), 4, panel);
  // The context menu without an entry only opens and lists its entries.
  if (action == "menu" && argument.empty()) command = "menu " + panel;
  toolkit(command + argument, panel);
}

void Session::answer(std::string_view arguments) {
  static constexpr const char* usage =
      "answer open|save PATH|cancel, answer color AARRGGBB|RRGGBB|#RRGGBB|none|cancel, answer name "
      "TEXT|cancel, answer keys TEXT, answer yes|no";
  const auto [kind, value] = split_keyword(arguments);
  if (kind == "yes" || kind == "no") return host_state().desktop.queue_answer("question", kind);
  if (kind != "open" && kind != "save" && kind != "color" && kind != "name" && kind != "keys") {
    return fail("no dialog '" + kind + "' to answer: " + usage);
  }
  // An empty name is typed as nothing at all; a path, a colour and keys must be given.
  if (value.empty() && kind != "name") return fail("answer " + kind + " needs its answer: " + usage);
  Desktop& desktop = host_state().desktop;
  const std::string dialog = dialog_form(kind);
  if (kind == "keys") {
    const std::string problem = desktop_command("check-keys " + std::string(value));
    if (!problem.empty()) return fail(problem.starts_with("error: ") ? problem.substr(7) : problem);
    desktop.queue_answer(dialog, std::string(value));
  } else if (lower_case(value) == "cancel") {
    desktop.queue_answer(dialog, std::nullopt);
  } else if (kind == "color") {
    const std::optional<std::string> argb = dialog_color(value);
    if (!argb) {
      return fail("no colour '" + std::string(value) +
                  "': answer color AARRGGBB, RRGGBB (opaque), #RRGGBB, none or cancel");
    }
    desktop.queue_answer(dialog, *argb);
  } else {
    desktop.queue_answer(dialog, std::string(value));
  }
}

void Session::put_on_clipboard(std::string_view text) {
  host_state().desktop.clipboard = std::string(text);
  set_system_clipboard(platform::from_utf8(text));
}

void Session::load(std::string_view arguments) {
  if (!load_model_) return fail("this session cannot load models");
  if (arguments.empty()) return fail("load MODEL.ifc, or load --generate SPEC");
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

void Session::save_model(std::string_view file) {
  if (file.empty()) return fail("save-model FILE");
  try {
    write_model_file(host_state().model, utf8_path(file));
    out_ << "model saved: " << file << ", " << host_state().model.size() << " objects\n";
  } catch (const std::exception& error) {
    fail(error.what());
  }
}

void Session::change_settings(std::string_view arguments) {
  const auto [setting, value] = split_keyword(arguments);
  const std::string problem = change_system_setting(std::string(setting), std::string(value));
  if (!problem.empty()) return fail(problem);
  out_ << "settings: " << setting << ' ' << value << '\n';
}

void Session::snapshot(std::string_view arguments) {
  static constexpr const char* usage =
      "snapshot panel batch|status FILE.png, or snapshot dialog color|name|open|save|message FILE.png";
  const auto [subject, rest] = split_keyword(arguments);
  const auto [which, file] = split_keyword(rest);
  if (subject == "dialog" && !file.empty() &&
      (which == "color" || which == "name" || which == "open" || which == "save" || which == "message")) {
    dialog_pictures_[dialog_form(which)].emplace_back(file);
    return;
  }
  if (subject != "panel" || !is_panel(which) || file.empty()) return fail(usage);
  ShownForm form;
  form.display_list = desktop_command("paint " + which);
  if (form.display_list.starts_with("error: ")) return fail(explained(form.display_list, which));
  const std::string window = desktop_command("window " + which);
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

Legend Session::legend() {
  Legend legend;
  const std::u16string& path = host_state().model.path;
  legend.title = utf8(path.substr(path.find_last_of(u"/\\") + 1));
  // The visible panel: the one whose colours the viewer shows.
  std::istringstream forms(desktop_command("forms"));
  std::string line;
  std::string panel;
  while (std::getline(forms, line)) {
    const auto [name, rest] = split_word(line);
    if (is_panel(name) && rest.starts_with("visible")) panel = name;
  }
  if (panel.empty()) return legend;
  for (const std::string& row : panel_rows(panel).value_or(std::vector<std::string>{})) {
    LegendRow entry;
    std::istringstream cells(row);
    std::string color;
    std::getline(cells, entry.name, '\t');
    std::getline(cells, entry.count, '\t');
    std::getline(cells, color, '\t');
    entry.rgba = rgba_value(color);
    // The panel marks the category shown alone before its name.
    constexpr std::string_view alone_mark = "\u25BA ";
    entry.alone = entry.name.starts_with(alone_mark);
    if (entry.alone) entry.name.erase(0, alone_mark.size());
    legend.rows.push_back(entry);
  }
  return legend;
}

void Session::render(std::string_view arguments) {
  static constexpr const char* usage =
      "render FILE.png [WIDTH HEIGHT] [--view iso|top|front|side] [--legend]";
  ModelPicture picture;
  std::vector<std::string_view> sizes;
  std::string file;
  bool with_legend = false;
  for (auto [word, rest] = split_word(arguments); !word.empty(); std::tie(word, rest) = split_word(rest)) {
    const std::string option = lower_case(word);
    if (option == "--legend") {
      with_legend = true;
    } else if (option == "--view") {
      const auto [name, after] = split_keyword(rest);
      const std::optional<ViewPoint> view = view_point(name);
      if (!view) return fail("no view '" + name + "': " + usage);
      picture.view = *view;
      rest = after;
    } else if (file.empty()) {
      file = std::string(word);
    } else {
      sizes.push_back(word);
    }
  }
  if (file.empty() || (sizes.size() != 0 && sizes.size() != 2) ||
      (sizes.size() == 2 &&
       (!read_number(sizes[0], picture.width) || !read_number(sizes[1], picture.height)))) {
    return fail(usage);
  }
  if (with_legend) picture.legend = legend();
  try {
    draw_model_picture(host_state(), file, picture);
  } catch (const std::exception& error) {
    fail(error.what());
  }
}

void Session::toolkit(const std::string& command, const std::string& panel) {
  const std::string reply = desktop_command(command);
  if (reply.starts_with("error: ")) return fail(explained(reply, panel));
  out_ << reply;
}

void Session::fail(std::string_view message) {
  failed_ = true;
  errors_ << "error: " << message << '\n';
}

}  // namespace host
