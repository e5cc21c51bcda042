// Routing input to the light widgets.
#include "toolkit/form_input.h"

#include "toolkit/form.h"
#include "toolkit/form_painter.h"
#include "toolkit/widgets.h"

namespace toolkit {

void press_mouse(Form& form, MouseButton button, Point point) {
  Control* control = control_at(form, point);
  if (control == nullptr || !control->enabled()) return;
  if (auto* grid = dynamic_cast<DrawGrid*>(control)) {
    form.focused = grid;
    const Rect place = rect_on_form(*grid);
    grid->mouse_down(button, {point.x - place.left, point.y - place.top});
    return;
  }
  if (auto* edit = dynamic_cast<ComboBox*>(control)) form.focused = edit;
  if (button != MouseButton::left) return;
  if (auto* box = dynamic_cast<CheckBox*>(control)) box->click();
  if (auto* pressed = dynamic_cast<Button*>(control)) pressed->click();
}

void take_input(Form& form, const UserInput& input) {
  switch (input.kind) {
    case UserInput::Kind::press: press_mouse(form, input.button, input.point); break;
    case UserInput::Kind::double_click: double_click(form, input.point); break;
    case UserInput::Kind::key: press_key(form, input.key); break;
    case UserInput::Kind::character: type_character(form, input.character); break;
  }
}

void double_click(Form& form, Point point) {
  if (auto* grid = dynamic_cast<DrawGrid*>(control_at(form, point))) grid->double_click();
}

void turn_wheel(Form& form, Point point, int rows) {
  if (auto* grid = dynamic_cast<DrawGrid*>(control_at(form, point))) grid->wheel(rows);
}

void press_key(Form& form, Key key) {
  if (auto* grid = dynamic_cast<DrawGrid*>(form.focused)) grid->key_down(key);
}

void type_character(Form& form, char16_t character) {
  if (auto* grid = dynamic_cast<DrawGrid*>(form.focused)) {
    grid->key_press(character);
  } else if (auto* edit = dynamic_cast<ComboBox*>(form.focused)) {
    if (character == u'\b') {
      edit->erase_last();
    } else if (character >= 32) {
      edit->type(character);
    }
  }
}

PopupMenu* context_menu_at(Form& form, Point point) {
  for (Control* control = control_at(form, point); control != nullptr; control = control->parent()) {
    if (control->popup_menu != nullptr) return control->popup_menu;
  }
  return nullptr;
}

}  // namespace toolkit
