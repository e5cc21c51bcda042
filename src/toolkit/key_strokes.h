// The keys a user presses on a form, and the text in which a desktop types them:
// characters, {TAB} {SHIFT+TAB} {ENTER} {ESC} {SPACE} {HOME} {END} {LEFT} {RIGHT} {UP} {DOWN} {DEL}
// {BKSP} {INS} {PGUP} {PGDN} {F2} {APPS} {SHIFT+F10} {ALT+F4} {CTRL+SPACE}, {ALT+letter}, ^A ^C ^V ^X ^Y
// ^Z (^+Z with Shift too), {WINDOWS}, which lists the windows at that moment instead of pressing a
// key, and {PAUSE}, the user stopping longer than a list waits for the next letter of a name.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace toolkit {

// Keys that type no character of their own.
enum class Key {
  up,
  down,
  left,
  right,
  home,
  end,
  tab,
  enter,
  escape,
  space,
  del,
  backspace,
  insert,
  page_up,
  page_down,
  f2,
  f4,
  f10,
  // The menu key, which opens the context menu of the focused control.
  apps
};

struct KeyStroke {
  enum class Kind { character, key, control_letter, alt_letter, list_windows, pause };
  Kind kind = Kind::character;
  char16_t character = 0;  // the character typed, or the letter held with Ctrl or Alt (upper case)
  Key key = Key::up;
  bool shift = false;
  bool alt = false;
  bool control = false;
};

// How long {PAUSE} stops, in milliseconds: longer than a list waits for the next letter.
constexpr int pause_ms = 1500;

// The strokes of a text; nothing, with the reason in error, when a {NAME} or ^X is unknown.
std::optional<std::vector<KeyStroke>> parse_key_strokes(std::u16string_view text, std::string& error);

}  // namespace toolkit
