// Running the desktop's commands on the forms.
#include "toolkit/desktop/driver.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <sstream>
#include <vector>

#include "platform/utf8.h"
#include "toolkit/backend.h"
#include "toolkit/cursor.h"
#include "toolkit/desktop/cell_recorder.h"
#include "toolkit/desktop/display_list.h"
#include "toolkit/draw_grid.h"
#include "toolkit/form.h"
#include "toolkit/form_input.h"
#include "toolkit/form_painter.h"
#include "toolkit/form_registry.h"
#include "toolkit/popup_menu.h"
#include "toolkit/widgets.h"

namespace toolkit::desktop {
namespace {

std::vector<std::string_view> split_words(std::string_view text) {
  std::vector<std::string_view> words;
  while (!text.empty()) {
    const auto start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) break;
    text.remove_prefix(start);
    const auto end = text.find(' ');
    words.push_back(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view() : text.substr(end);
  }
  return words;
}

template <class Widget>
Widget* find_control(Control& root, std::string_view name) {
  std::vector<Control*> pending{&root};
  while (!pending.empty()) {
    Control* control = pending.back();
    pending.pop_back();
    auto* widget = dynamic_cast<Widget*>(control);
    if (widget != nullptr && (name.empty() || control->name() == name)) return widget;
    pending.insert(pending.end(), control->children().rbegin(), control->children().rend());
  }
  return nullptr;
}

bool parse_int(std::string_view text, int& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

std::string error(std::string_view message) { return "error: " + std::string(message); }

// The form's grid, a row a line, its cells tab-separated; with_parts adds what the form answers
// the query "parts ROW" for each row below the header.
std::string print_form(Form& form, bool with_parts = false) {
  std::string out = platform::to_utf8(form.caption()) + '\t' + (form.visible() ? "visible" : "hidden") + '\n';
  DrawGrid* grid = find_control<DrawGrid>(form, "");
  if (grid == nullptr || !grid->on_draw_cell) return out;
  for (int row = 0; row < grid->row_count(); ++row) {
    for (int col = 0; col < grid->col_count(); ++col) {
      CellRecorder cell;
      grid->on_draw_cell(cell, col, row, grid->cell_rect(col, row),
                         CellState{col == grid->col() && row == grid->row(), row < grid->fixed_rows()});
      if (col > 0) out += '\t';
      out += cell.content();
    }
    if (with_parts && row >= grid->fixed_rows() && form.on_query)
      out += '\t' + platform::to_utf8(form.on_query("parts " + std::to_string(row)));
    out += '\n';
  }
  return out;
}

std::string list_menu(PopupMenu& menu) {
  std::string out;
  for (const auto& item : menu.items()) {
    if (item->separator) continue;
    out += item->name + '\t' + platform::to_utf8(item->caption) + '\t' + platform::to_utf8(item->shortcut) +
           '\t' + (item->enabled ? "enabled" : "disabled") + '\n';
  }
  return out;
}

std::optional<Key> parse_key(std::string_view word) {
  if (word == "up") return Key::up;
  if (word == "down") return Key::down;
  if (word == "left") return Key::left;
  if (word == "right") return Key::right;
  if (word == "home") return Key::home;
  if (word == "end") return Key::end;
  return std::nullopt;
}

// The centre of a cell, in the form's client coordinates.
Point cell_centre(DrawGrid& grid, int col, int row) {
  const Rect place = rect_on_form(grid);
  const Rect cell = grid.cell_rect(col, row);
  return {place.left + cell.left + cell.width / 2, place.top + cell.top + cell.height / 2};
}

// The grid is worked as the user works it: the input goes to the form's window where it has one,
// so the window's own handling of the mouse and keys runs, else straight to the form.
std::string act_on_grid(Form& form, DrawGrid& grid, const std::vector<std::string_view>& words) {
  const std::string_view action = words[0];
  // The grid's keys and double click are the user's in the grid, which has the focus then.
  if (action == "key" || action == "dblclick") form.focused = &grid;
  if (action == "cell") {
    int col = 0;
    int row = 0;
    if (words.size() < 4 || !parse_int(words[2], col) || !parse_int(words[3], row))
      return error("cell FORM COL ROW");
    if (col < 0 || col >= grid.col_count() || row < 0 || row >= grid.row_count())
      return error("no such cell");
    const bool right = words.size() > 4 && words[4] == "right";
    // The user scrolls a row into view before pressing on it.
    grid.scroll_into_view(row);
    UserInput press;
    press.button = right ? MouseButton::right : MouseButton::left;
    press.point = cell_centre(grid, col, row);
    backend::send_input(form, press);
    return {};
  }
  if (action == "key") {
    if (words.size() < 3) return error("key FORM KEY");
    UserInput input;
    if (words[2] == "enter" || words[2] == "space") {
      input.kind = UserInput::Kind::character;
      input.character = words[2] == "enter" ? u'\r' : u' ';
    } else if (const std::optional<Key> key = parse_key(words[2])) {
      input.kind = UserInput::Kind::key;
      input.key = *key;
    } else {
      return error("unknown key " + std::string(words[2]));
    }
    backend::send_input(form, input);
    return {};
  }
  if (action == "dblclick") {
    grid.scroll_into_view(grid.row());
    UserInput input;
    input.kind = UserInput::Kind::double_click;
    input.point = cell_centre(grid, grid.col(), grid.row());
    backend::send_input(form, input);
    return {};
  }
  // menu
  if (grid.popup_menu == nullptr) return error("the grid has no context menu");
  grid.popup_menu->popup();
  if (words.size() < 3) return list_menu(*grid.popup_menu);
  MenuItem* item = grid.popup_menu->find(std::string(words[2]));
  if (item == nullptr) return error("no menu item " + std::string(words[2]));
  if (!item->enabled) return error("the menu item " + std::string(words[2]) + " is disabled");
  // A right click on the current row's name, which leaves the current cell where it is, then the
  // item from the menu that opens.
  grid.scroll_into_view(grid.row());
  backend::choose_from_context_menu(form, cell_centre(grid, 0, grid.row()), item->name);
  return {};
}

std::string act(Form& form, const std::vector<std::string_view>& words) {
  const std::string_view action = words[0];
  if (action == "print" && words.size() > 2 && words[2] == "totals") {
    if (!form.on_query) return error("the form " + form.name() + " answers no query");
    return platform::to_utf8(form.caption()) + '\n' + platform::to_utf8(form.on_query("totals"));
  }
  if (action == "print") return print_form(form, words.size() > 2 && words[2] == "parts");
  if (action == "query") {
    if (words.size() < 3 || !form.on_query) return error("the form " + form.name() + " answers no query");
    return platform::to_utf8(form.on_query(words[2]));
  }
  if (action == "hint") {
    // What the mouse resting on the count cell of row N shows.
    DrawGrid* grid = find_control<DrawGrid>(form, "");
    int row = 0;
    if (grid == nullptr || words.size() < 3 || !parse_int(words[2], row) || row < grid->fixed_rows() ||
        row >= grid->row_count())
      return error("hint FORM ROW: no such row");
    return (grid->on_cell_hint ? platform::to_utf8(grid->on_cell_hint(1, row)) : std::string()) + '\n';
  }
  if (action == "paint") return paint_form(form);
  if (action == "window") return std::to_string(reinterpret_cast<std::uintptr_t>(form.window_handle()));
  if (action == "close") {
    form.close();
    return {};
  }
  if (action == "click") {
    Button* button = words.size() > 2 ? find_control<Button>(form, words[2]) : nullptr;
    if (button == nullptr)
      return error("the form " + form.name() + " has no button " + std::string(words[2]));
    if (!button->enabled()) return error("the button " + button->name() + " is disabled");
    backend::click(*button);
    return {};
  }
  if (action == "check") {
    CheckBox* box = words.size() > 3 ? find_control<CheckBox>(form, words[2]) : nullptr;
    if (box == nullptr || (words[3] != "on" && words[3] != "off")) return error("check FORM CHECKBOX on|off");
    if (box->checked() != (words[3] == "on")) backend::click(*box);
    return {};
  }
  if (action == "cell" || action == "key" || action == "dblclick" || action == "menu") {
    DrawGrid* grid = find_control<DrawGrid>(form, "");
    if (grid == nullptr) return error("the form has no grid");
    return act_on_grid(form, *grid, words);
  }
  return error("unknown command " + std::string(action));
}

// keys FORM TEXT: TEXT is the rest of the line, spaces and all.
std::string type_keys(Form& form, std::string_view command) {
  std::string_view text = command.substr(command.find_first_not_of(' '));
  for (int word = 0; word < 2; ++word) {
    text.remove_prefix(std::min(text.find(' '), text.size()));
    text.remove_prefix(std::min(text.find_first_not_of(' '), text.size()));
  }
  std::string problem;
  const std::optional<std::vector<KeyStroke>> strokes = parse_key_strokes(platform::from_utf8(text), problem);
  if (!strokes) return error(problem);
  backend::type_keys(form, *strokes);
  return {};
}

}  // namespace

std::string run_command(std::string_view command) {
  const std::vector<std::string_view> words = split_words(command);
  if (words.empty()) return error("empty command");
  if (words[0] == "cursor") return screen_cursor() == Cursor::wait ? "wait" : "normal";
  if (words[0] == "check-keys") {
    std::string problem;
    const auto text = command.substr(std::min(command.find("check-keys") + 10, command.size()));
    return parse_key_strokes(
               platform::from_utf8(text.substr(std::min(text.find_first_not_of(' '), text.size()))), problem)
               ? std::string()
               : error(problem);
  }
  if (words[0] == "forms") {
    std::string out;
    for (Form* form : all_forms()) {
      out += form->name() + '\t' + (form->visible() ? "visible" : "hidden") + '\t' +
             platform::to_utf8(form->caption()) + '\n';
    }
    return out;
  }
  if (words.size() < 2) return error("which form?");
  Form* form = find_form(words[1]);
  if (form == nullptr) return error("no form " + std::string(words[1]));
  if (words[0] == "keys") return type_keys(*form, command);
  return act(*form, words);
}

}  // namespace toolkit::desktop
