// PopupMenu: a context menu of items, prepared by on_popup each time before it opens.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace toolkit {

struct MenuItem {
  std::string name;  // design name, e.g. "menu_add"
  // '&' marks the access key; a user's text inside it is written with menu_caption (shown_text.h).
  std::u16string caption;
  // The key that does the same outside the menu, shown after the caption ("F2"); empty for none.
  std::u16string shortcut;
  bool enabled = true;
  bool separator = false;
  std::function<void()> on_click;
};

class PopupMenu {
 public:
  MenuItem& add(std::string name, std::u16string caption);
  void add_separator(std::string name);
  MenuItem* find(const std::string& name);
  const std::vector<std::unique_ptr<MenuItem>>& items() const { return items_; }

  // The menu is about to open: on_popup sets captions and enabling.
  void popup();
  // The user chooses an item of the open menu: nothing when it is disabled.
  void choose(MenuItem& item);

  std::function<void()> on_popup;

 private:
  std::vector<std::unique_ptr<MenuItem>> items_;
};

}  // namespace toolkit
