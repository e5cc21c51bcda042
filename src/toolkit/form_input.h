// The user's mouse and keys on a form, given to the light widget under the mouse or in focus.
#pragma once

#include "toolkit/draw_grid.h"
#include "toolkit/geometry.h"

namespace toolkit {

class Form;
class PopupMenu;

// One action of the user's hands on a form, as the desktop gives it.
struct UserInput {
  enum class Kind { press, double_click, key, character };
  Kind kind = Kind::press;
  MouseButton button = MouseButton::left;
  Point point;
  Key key = Key::up;
  char16_t character = 0;
};
// Gives the input to the form's widgets, as the functions below do.
void take_input(Form& form, const UserInput& input);

// A press at a point of the form's client area: the grid takes it as a press on its cells, a check
// box or button as a click (left button only); the control pressed takes the focus.
void press_mouse(Form& form, MouseButton button, Point point);
void double_click(Form& form, Point point);
// The mouse wheel over a point: the grid there scrolls by rows (positive: downward).
void turn_wheel(Form& form, Point point, int rows);
// Keys go to the focused control: the grid's arrows and characters, the text field's typing.
void press_key(Form& form, Key key);
void type_character(Form& form, char16_t character);
// The context menu of the control at a point; null when it has none.
PopupMenu* context_menu_at(Form& form, Point point);

}  // namespace toolkit
