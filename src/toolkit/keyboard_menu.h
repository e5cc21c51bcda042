// The context menu opened from the keyboard (the menu key, Shift+F10) where the forms take their
// keys themselves: it takes the keys that follow until it closes, as a menu's loop does on a
// screen: Down and Up move through its items, Enter chooses (not a greyed one), Esc closes, a
// letter chooses the usable item of that mnemonic.
#pragma once

#include <string>

namespace toolkit {

class Form;
struct KeyStroke;

// Whether the stroke went to the form's open menu, or opened the focused control's menu.
bool menu_takes_key(Form& form, const KeyStroke& stroke);
// Closes a menu the keys left open on the form.
void close_keyboard_menu(Form& form);

// The mnemonic of a caption: the letter after a single &, in upper case; 0 for none.
char16_t mnemonic(const std::u16string& caption);

}  // namespace toolkit
