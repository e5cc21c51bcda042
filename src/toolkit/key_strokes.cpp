// Reading the desktop's key text.
#include "toolkit/key_strokes.h"

#include <array>

#include "platform/utf8.h"

namespace toolkit {
namespace {

struct NamedKey {
  std::u16string_view name;
  KeyStroke stroke;
};

KeyStroke key(Key pressed, bool shift = false, bool alt = false, bool control = false) {
  return {KeyStroke::Kind::key, 0, pressed, shift, alt, control};
}

const std::array<NamedKey, 23> named_keys{{
    {u"TAB", key(Key::tab)},
    {u"SHIFT+TAB", key(Key::tab, true)},
    {u"ENTER", key(Key::enter)},
    {u"ESC", key(Key::escape)},
    {u"SPACE", key(Key::space)},
    {u"HOME", key(Key::home)},
    {u"END", key(Key::end)},
    {u"LEFT", key(Key::left)},
    {u"RIGHT", key(Key::right)},
    {u"UP", key(Key::up)},
    {u"DOWN", key(Key::down)},
    {u"DEL", key(Key::del)},
    {u"BKSP", key(Key::backspace)},
    {u"INS", key(Key::insert)},
    {u"PGUP", key(Key::page_up)},
    {u"PGDN", key(Key::page_down)},
    {u"F2", key(Key::f2)},
    {u"APPS", key(Key::apps)},
    {u"SHIFT+F10", key(Key::f10, true)},
    {u"ALT+F4", key(Key::f4, false, true)},
    {u"CTRL+SPACE", key(Key::space, false, false, true)},
    {u"WINDOWS", {KeyStroke::Kind::list_windows, 0, Key::up, false, false}},
    {u"PAUSE", {KeyStroke::Kind::pause, 0, Key::up, false, false}},
}};

constexpr std::u16string_view control_letters = u"ACVXYZ";

std::optional<KeyStroke> named_key(std::u16string_view name) {
  for (const NamedKey& named : named_keys) {
    if (named.name == name) return named.stroke;
  }
  // {ALT+letter}: the letter in either case.
  constexpr std::u16string_view alt = u"ALT+";
  if (name.size() == alt.size() + 1 && name.starts_with(alt)) {
    const auto letter = static_cast<char16_t>(name.back() & ~0x20);
    if (letter >= u'A' && letter <= u'Z')
      return KeyStroke{KeyStroke::Kind::alt_letter, letter, Key::up, false, true};
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::vector<KeyStroke>> parse_key_strokes(std::u16string_view text, std::string& error) {
  std::vector<KeyStroke> strokes;
  for (std::size_t at = 0; at < text.size(); ++at) {
    const char16_t c = text[at];
    if (c == u'{') {
      const std::size_t close = text.find(u'}', at);
      const std::u16string_view name = text.substr(at + 1, close - at - 1);
      const std::optional<KeyStroke> found =
          close == std::u16string_view::npos ? std::nullopt : named_key(name);
      if (!found) {
        error = "unknown key {" + platform::to_utf8(name) +
                (close == std::u16string_view::npos ? " (no closing brace)" : "}");
        return std::nullopt;
      }
      strokes.push_back(*found);
      at = close;
    } else if (c == u'^') {
      // ^+Z: Ctrl and Shift with the letter.
      const bool shift = at + 1 < text.size() && text[at + 1] == u'+';
      if (shift) ++at;
      const char16_t letter = at + 1 < text.size() ? static_cast<char16_t>(text[at + 1] & ~0x20) : u'\0';
      if (letter == u'\0' || control_letters.find(letter) == std::u16string_view::npos) {
        error = "unknown key ^" + platform::to_utf8(text.substr(at + 1, 1)) + ": ^A ^C ^V ^X ^Y ^Z are known";
        return std::nullopt;
      }
      strokes.push_back({KeyStroke::Kind::control_letter, letter, Key::up, shift, false});
      ++at;
    } else {
      strokes.push_back({KeyStroke::Kind::character, c, Key::up, false, false});
    }
  }
  return strokes;
}

}  // namespace toolkit
