// The context menu opened from the keyboard where the forms take their keys themselves.
#include "toolkit/keyboard_menu.h"

#include <cstddef>

#include "toolkit/form.h"
#include "toolkit/key_strokes.h"
#include "toolkit/popup_menu.h"

namespace toolkit {
namespace {

// The menu open on a form; no item is highlighted when it opens, as on a screen.
struct OpenMenu {
  Form* form = nullptr;
  PopupMenu* menu = nullptr;
  std::ptrdiff_t highlighted = -1;
};
OpenMenu open_menu;

bool choosable(const MenuItem& item) { return !item.separator && item.enabled; }

// The next item from the highlighted one, either way round, wrapping: separators are passed over,
// greyed items are highlighted on the way, as the system's menus do.
void move_highlight(bool down) {
  const auto& items = open_menu.menu->items();
  const auto count = static_cast<std::ptrdiff_t>(items.size());
  std::ptrdiff_t at = open_menu.highlighted;
  for (std::ptrdiff_t step = 0; step < count; ++step) {
    at = down ? (at + 1) % count : (at <= 0 ? count - 1 : at - 1);
    if (!items[static_cast<std::size_t>(at)]->separator) {
      open_menu.highlighted = at;
      return;
    }
  }
}

void close_menu(MenuItem* chosen) {
  PopupMenu* menu = open_menu.menu;
  open_menu = {};
  if (chosen != nullptr) menu->choose(*chosen);
}

void menu_key(const KeyStroke& stroke) {
  const auto& items = open_menu.menu->items();
  if (stroke.kind == KeyStroke::Kind::character || stroke.kind == KeyStroke::Kind::alt_letter) {
    const auto letter = static_cast<char16_t>(stroke.character & ~0x20);
    for (const auto& item : items) {
      if (choosable(*item) && mnemonic(item->caption) == letter) return close_menu(item.get());
    }
    return;
  }
  if (stroke.kind != KeyStroke::Kind::key) return;
  switch (stroke.key) {
    case Key::down:
    case Key::up: move_highlight(stroke.key == Key::down); break;
    case Key::escape: close_menu(nullptr); break;
    case Key::enter: {
      // Enter on a greyed item leaves the menu open.
      MenuItem* highlighted =
          open_menu.highlighted < 0 ? nullptr : items[static_cast<std::size_t>(open_menu.highlighted)].get();
      if (highlighted == nullptr || choosable(*highlighted)) close_menu(highlighted);
      break;
    }
    default: break;
  }
}

bool opens_menu(const KeyStroke& stroke) {
  return stroke.kind == KeyStroke::Kind::key &&
         (stroke.key == Key::apps || (stroke.key == Key::f10 && stroke.shift));
}

}  // namespace

char16_t mnemonic(const std::u16string& caption) {
  for (std::size_t at = 0; at + 1 < caption.size(); ++at) {
    if (caption[at] != u'&') continue;
    if (caption[at + 1] != u'&') return static_cast<char16_t>(caption[at + 1] & ~0x20);
    ++at;
  }
  return 0;
}

bool menu_takes_key(Form& form, const KeyStroke& stroke) {
  if (open_menu.menu != nullptr && open_menu.form == &form) {
    menu_key(stroke);
    return true;
  }
  if (!opens_menu(stroke)) return false;
  if (Control* focused = form.focused; focused != nullptr && focused->popup_menu != nullptr) {
    focused->popup_menu->popup();
    open_menu = {&form, focused->popup_menu, -1};
  }
  return true;
}

void close_keyboard_menu(Form& form) {
  if (open_menu.form == &form) open_menu = {};
}

}  // namespace toolkit
