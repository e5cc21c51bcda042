// Routing input to the widgets.
#include "toolkit/form_input.h"

#include <algorithm>

#include "platform/utf8.h"
#include "toolkit/backend.h"
#include "toolkit/desktop/desktop_link.h"
#include "toolkit/form.h"
#include "toolkit/form_painter.h"
#include "toolkit/keyboard_menu.h"
#include "toolkit/widgets.h"

namespace toolkit {
namespace {

void collect_tab_stops(Control& control, std::vector<Control*>& order) {
  for (Control* child : children_in_tab_order(control)) {
    if (child->takes_focus() && child->tab_stop && child->usable()) order.push_back(child);
    collect_tab_stops(*child, order);
  }
}

// Ctrl with a letter in a text field: select all, copy, cut, paste, undo.
void edit_with_control(ComboBox& edit, char16_t letter) {
  switch (letter) {
    case u'A': edit.select_all(); break;
    case u'C': desktop::set_desktop_clipboard(platform::to_utf8(edit.selected_text())); break;
    case u'X':
      desktop::set_desktop_clipboard(platform::to_utf8(edit.selected_text()));
      edit.paste({});
      break;
    case u'V': edit.paste(platform::from_utf8(desktop::desktop_clipboard())); break;
    case u'Z': edit.undo(); break;
    default: break;
  }
}

void edit_key(ComboBox& edit, Key key) {
  switch (key) {
    case Key::home: edit.move_caret(0); break;
    case Key::end: edit.move_caret(edit.text().size()); break;
    case Key::left:
      edit.move_caret(edit.anchor() != edit.caret() ? std::min(edit.anchor(), edit.caret())
                                                    : edit.caret() - (edit.caret() > 0 ? 1 : 0));
      break;
    case Key::right:
      edit.move_caret(edit.anchor() != edit.caret() ? std::max(edit.anchor(), edit.caret())
                                                    : std::min(edit.caret() + 1, edit.text().size()));
      break;
    case Key::backspace: edit.erase_before(); break;
    case Key::del: edit.erase_after(); break;
    case Key::space: edit.type(u' '); break;
    default: break;
  }
}

// Alt with a letter presses the usable button or check box whose caption has it as mnemonic.
void press_mnemonic(Form& form, char16_t letter) {
  std::vector<Control*> pending(form.children().begin(), form.children().end());
  while (!pending.empty()) {
    Control* control = pending.back();
    pending.pop_back();
    const auto* button = dynamic_cast<Button*>(control);
    const auto* box = dynamic_cast<CheckBox*>(control);
    const std::u16string* caption = button != nullptr ? &button->caption()
                                    : box != nullptr  ? &box->caption()
                                                      : nullptr;
    if (caption != nullptr && control->usable() && mnemonic(*caption) == letter)
      return click_control(*control);
    pending.insert(pending.end(), control->children().begin(), control->children().end());
  }
}

}  // namespace

std::vector<Control*> children_in_tab_order(const Control& parent) {
  std::vector<Control*> children = parent.children();
  std::stable_sort(children.begin(), children.end(),
                   [](const Control* a, const Control* b) { return a->tab_order < b->tab_order; });
  return children;
}

void press_mouse(Form& form, MouseButton button, Point point) {
  Control* control = control_at(form, point);
  if (control == nullptr || !control->enabled()) return;
  if (control->takes_focus()) form.focused = control;
  if (auto* grid = dynamic_cast<DrawGrid*>(control)) {
    const Rect place = rect_on_form(*grid);
    grid->mouse_down(button, {point.x - place.left, point.y - place.top});
    return;
  }
  if (button != MouseButton::left) return;
  if (auto* box = dynamic_cast<CheckBox*>(control)) box->click();
  if (auto* pressed = dynamic_cast<Button*>(control)) pressed->click();
}

void take_input(Form& form, const UserInput& input) {
  switch (input.kind) {
    case UserInput::Kind::press: press_mouse(form, input.button, input.point); break;
    case UserInput::Kind::double_click: double_click(form, input.point); break;
    case UserInput::Kind::key: press_key(form, {KeyStroke::Kind::key, 0, input.key, false, false}); break;
    case UserInput::Kind::character: type_character(form, input.character); break;
  }
}

void double_click(Form& form, Point point) {
  if (auto* grid = dynamic_cast<DrawGrid*>(control_at(form, point))) grid->double_click();
}

void turn_wheel(Form& form, Point point, int rows) {
  if (auto* grid = dynamic_cast<DrawGrid*>(control_at(form, point))) grid->wheel(rows);
}

namespace {

bool shift_of_stroke = false;
std::int64_t paused_ms = 0;

}  // namespace

bool stroke_shift_down() { return shift_of_stroke; }

std::int64_t stroke_pauses_ms() { return paused_ms; }

void press_key(Form& form, const KeyStroke& stroke) {
  shift_of_stroke = stroke.shift;
  const struct ShiftReleased {
    ~ShiftReleased() { shift_of_stroke = false; }
  } released;
  if (menu_takes_key(form, stroke)) return;
  Control* focused = form.focused;
  auto* edit = dynamic_cast<ComboBox*>(focused);
  auto* grid = dynamic_cast<DrawGrid*>(focused);
  switch (stroke.kind) {
    case KeyStroke::Kind::character: type_character(form, stroke.character); return;
    case KeyStroke::Kind::control_letter:
      if (edit != nullptr) edit_text(*edit, stroke);
      // The grid gets the control character the system types for the letter.
      if (grid != nullptr) grid->key_press(static_cast<char16_t>(stroke.character - u'A' + 1));
      return;
    case KeyStroke::Kind::alt_letter: press_mnemonic(form, stroke.character); return;
    case KeyStroke::Kind::list_windows: return;
    case KeyStroke::Kind::pause: paused_ms += pause_ms; return;
    case KeyStroke::Kind::key: break;
  }
  if (stroke.alt && stroke.key == Key::f4) return form.close();
  switch (stroke.key) {
    case Key::tab: move_focus(form, stroke.shift); return;
    case Key::enter:
      if (grid != nullptr) {
        grid->key_press(u'\r');
      } else if (form.default_button != nullptr) {
        form.default_button->click();
      }
      return;
    case Key::escape:
      if (form.cancel_button != nullptr) form.cancel_button->click();
      return;
    case Key::space:
      if (auto* button = dynamic_cast<Button*>(focused)) return button->click();
      if (auto* box = dynamic_cast<CheckBox*>(focused)) return box->click();
      if (grid != nullptr) return stroke.control ? grid->key_down(Key::space) : grid->key_press(u' ');
      break;
    default: break;
  }
  if (edit != nullptr) return edit_text(*edit, stroke);
  if (grid != nullptr) grid->key_down(stroke.key);
}

void edit_text(ComboBox& edit, const KeyStroke& stroke) {
  switch (stroke.kind) {
    case KeyStroke::Kind::character:
      if (stroke.character >= 32) edit.type(stroke.character);
      break;
    case KeyStroke::Kind::control_letter: edit_with_control(edit, stroke.character); break;
    case KeyStroke::Kind::key: edit_key(edit, stroke.key); break;
    case KeyStroke::Kind::alt_letter:
    case KeyStroke::Kind::list_windows:
    case KeyStroke::Kind::pause: break;
  }
}

void type_character(Form& form, char16_t character) {
  if (auto* grid = dynamic_cast<DrawGrid*>(form.focused)) {
    grid->key_press(character);
  } else if (auto* edit = dynamic_cast<ComboBox*>(form.focused)) {
    if (character == u'\b') {
      edit->erase_before();
    } else if (character >= 32) {
      edit->type(character);
    }
  }
}

void click_control(Control& control) {
  if (Form* form = control.form(); form != nullptr && control.takes_focus()) form->focused = &control;
  if (auto* button = dynamic_cast<Button*>(&control)) button->click();
  if (auto* box = dynamic_cast<CheckBox*>(&control)) box->click();
}

void press_keys(Form& form, const std::vector<KeyStroke>& strokes) {
  for (const KeyStroke& stroke : strokes) {
    if (stroke.kind == KeyStroke::Kind::list_windows) {
      desktop::desktop_print(backend::window_list(), desktop::Stream::output);
    } else {
      press_key(form, stroke);
    }
  }
  // A menu the keys left open closes when the user moves on.
  close_keyboard_menu(form);
}

PopupMenu* context_menu_at(Form& form, Point point) {
  for (Control* control = control_at(form, point); control != nullptr; control = control->parent()) {
    if (control->popup_menu != nullptr) return control->popup_menu;
  }
  return nullptr;
}

std::vector<Control*> tab_order(Form& form) {
  std::vector<Control*> order;
  collect_tab_stops(form, order);
  return order;
}

void move_focus(Form& form, bool backward) {
  const std::vector<Control*> order = tab_order(form);
  if (order.empty()) return;
  const auto at = std::find(order.begin(), order.end(), form.focused);
  const auto count = static_cast<std::ptrdiff_t>(order.size());
  std::ptrdiff_t index = at == order.end() ? (backward ? 0 : -1) : at - order.begin();
  index = (index + (backward ? count - 1 : 1)) % count;
  form.focused = order[static_cast<std::size_t>(index)];
}

}  // namespace toolkit
