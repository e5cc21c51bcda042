// PopupMenu.
#include "toolkit/popup_menu.h"

namespace toolkit {

MenuItem& PopupMenu::add(std::string name, std::u16string caption) {
  items_.push_back(std::make_unique<MenuItem>());
  items_.back()->name = std::move(name);
  items_.back()->caption = std::move(caption);
  return *items_.back();
}

void PopupMenu::add_separator(std::string name) { add(std::move(name), u"-").separator = true; }

MenuItem* PopupMenu::find(const std::string& name) {
  for (const auto& item : items_) {
    if (item->name == name) return item.get();
  }
  return nullptr;
}

void PopupMenu::popup() {
  if (on_popup) on_popup();
}

void PopupMenu::choose(MenuItem& item) {
  if (item.enabled && !item.separator && item.on_click) item.on_click();
}

}  // namespace toolkit
