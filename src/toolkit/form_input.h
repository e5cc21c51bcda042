// The user's mouse and keys on a form, given to the widget under the mouse or in focus. The
// headless backend takes all input here; the Windows controls take their own, and only the grid's
// comes here.
#pragma once

#include <cstdint>
#include <vector>

#include "toolkit/draw_grid.h"
#include "toolkit/geometry.h"
#include "toolkit/key_strokes.h"

namespace toolkit {

class ComboBox;
class Control;
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
// Keys go to the focused control: the grid's arrows, pages, editing keys and characters, the text
// field's editing, Space to a button or check box; Tab moves the focus; Enter and Esc press the
// form's default and cancel buttons, where it has them; Alt+F4 closes the form, Alt with a letter
// presses the button of that mnemonic. The menu key and Shift+F10 open the focused control's
// context menu, which takes the keys that follow until it closes: Down and Up, Enter, Esc and
// the items' mnemonics. Ctrl+Space is the grid's key, not a typed blank.
void press_key(Form& form, const KeyStroke& stroke);
// Whether the stroke press_key delivers now holds Shift.
bool stroke_shift_down();
// The time the {PAUSE} strokes given to press_key have let pass, in milliseconds.
std::int64_t stroke_pauses_ms();
// A key in a text field: typing, Backspace and Delete, the caret keys, Ctrl+A, C, X, V and Z.
void edit_text(ComboBox& edit, const KeyStroke& stroke);
void type_character(Form& form, char16_t character);
// The user's click on a button or check box, which takes the focus.
void click_control(Control& control);
// Keys one after the other; a list_windows stroke prints the window list at that moment.
void press_keys(Form& form, const std::vector<KeyStroke>& strokes);
// The context menu of the control at a point; null when it has none.
PopupMenu* context_menu_at(Form& form, Point point);

// The controls Tab moves through, by their tab order and else in the order they were made: those
// that take the focus and are usable tab stops.
std::vector<Control*> tab_order(Form& form);
// A control's children by their tab order, those of equal order in the order they were made.
std::vector<Control*> children_in_tab_order(const Control& parent);
void move_focus(Form& form, bool backward);

}  // namespace toolkit
