// Category editing through the grid's context menu and its keys: add, rename, delete.
#include "gui_uda/tfrm_uda.h"

std::optional<std::size_t> Tfrm_uda::current_index() const {
  const int row = grid.row();
  if (row < 1 || static_cast<std::size_t>(row - 1) >= groups.size()) return std::nullopt;
  return static_cast<std::size_t>(row - 1);
}

void Tfrm_uda::popup_menuPopup() {
  toolkit::MenuItem& add = *popup_menu.find("menu_add");
  toolkit::MenuItem& rename = *popup_menu.find("menu_rename");
  toolkit::MenuItem& remove = *popup_menu.find("menu_delete");
  add.enabled = true;
  rename.caption = rename_label;
  remove.caption = delete_label;
  const std::optional<std::size_t> index = current_index();
  const bool editable = index && !groups[*index]->is_default;
  rename.enabled = editable;
  remove.enabled = editable;
  if (editable) {
    const std::u16string quoted = u": \"" + groups[*index]->name + u"\"";
    rename.caption += quoted;
    remove.caption += quoted;
  }
}

void Tfrm_uda::gridKeyDown(toolkit::Key key) {
  const char* entry = key == toolkit::Key::insert ? "menu_add"
                      : key == toolkit::Key::f2   ? "menu_rename"
                      : key == toolkit::Key::del  ? "menu_delete"
                                                  : nullptr;
  if (entry == nullptr) return;
  // The enabling is the menu's, set as it would be for opening it.
  popup_menu.popup();
  popup_menu.choose(*popup_menu.find(entry));
}

void Tfrm_uda::prepare_dialog(const char* caption_key, const char* ok_key) {
  add_category_dialog->set_caption(text(caption_key));
  add_category_dialog->btn_ok.set_caption(text(ok_key));
  add_category_dialog->set_position(left() + width() / 2, top() + height() / 2);
}

void Tfrm_uda::menu_addClick() {
  prepare_dialog(mode_texts(mode).add_caption_key, "menu_add");
  const std::weak_ptr<const void> alive = life();
  if (!add_category_dialog->run_add() || alive.expired()) return;
  // A name with a stored colour gets it at once; the new category has no objects to colour.
  load_colors();
  set_row_count_and_layout();
  grid.repaint();
  note_change();
}

void Tfrm_uda::menu_renameClick() {
  prepare_dialog(mode_texts(mode).rename_caption_key, "menu_rename");
  const std::optional<std::size_t> index = current_index();
  const std::weak_ptr<const void> alive = life();
  if (!index || !add_category_dialog->run_rename(*index) || alive.expired()) return;
  // The colour is stored under the new name as well; the old name's entry stays.
  save_colors();
  grid.repaint();
  note_change();
}

void Tfrm_uda::menu_deleteClick() {
  const std::optional<std::size_t> index = current_index();
  if (!index) return;
  groups.erase(groups.begin() + static_cast<std::ptrdiff_t>(*index));
  set_row_count_and_layout();
  apply_colors();
  note_change();
}
