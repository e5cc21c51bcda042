// The grid's context menu and its keys: add, rename and delete, undo and redo, and the views of the
// categories.
#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "gui_uda/panel_steps.h"
#include "gui_uda/tfrm_uda.h"
#include "toolkit/shown_text.h"

std::optional<std::size_t> Tfrm_uda::current_index() const {
  const int row = grid.row();
  if (row < 1 || static_cast<std::size_t>(row - 1) >= groups.size()) return std::nullopt;
  return static_cast<std::size_t>(row - 1);
}

void Tfrm_uda::popup_menuPopup() {
  toolkit::MenuItem& undo_item = *popup_menu.find("menu_undo");
  toolkit::MenuItem& redo_item = *popup_menu.find("menu_redo");
  const PanelStep* to_undo = history.to_undo();
  const PanelStep* to_redo = history.to_redo();
  // The descriptions name categories, whose '&' is no access key.
  undo_item.caption = to_undo != nullptr
                          ? text("menu_undo", toolkit::menu_caption(to_undo->description(*this)))
                          : text("menu_undo_nothing");
  redo_item.caption = to_redo != nullptr
                          ? text("menu_redo", toolkit::menu_caption(to_redo->description(*this)))
                          : text("menu_redo_nothing");
  undo_item.enabled = to_undo != nullptr;
  redo_item.enabled = to_redo != nullptr;
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
    const std::u16string quoted = u": \"" + toolkit::menu_caption(groups[*index]->name) + u"\"";
    rename.caption += quoted;
    remove.caption += quoted;
  }
  toolkit::MenuItem& only = *popup_menu.find("menu_only");
  only.enabled = index.has_value();
  if (!index) {
    only.caption = text("menu_only_nothing");
  } else if (groups[*index]->is_default) {
    only.caption =
        text(mode == PanelMode::Batch ? "menu_only_default_batches" : "menu_only_default_statuses");
  } else {
    only.caption = text("menu_only", toolkit::menu_caption(groups[*index]->name));
  }
  toolkit::MenuItem& color = *popup_menu.find("menu_color");
  color.caption = text("menu_color");
  color.enabled = index.has_value();
  toolkit::MenuItem& select = *popup_menu.find("menu_select");
  select.caption = text("menu_select");
  select.enabled = index.has_value();
  toolkit::MenuItem& all = *popup_menu.find("menu_all");
  all.caption = text("menu_all");
  all.enabled = shown_alone_ != nullptr;
  toolkit::MenuItem& palette = *popup_menu.find("menu_palette");
  palette.caption = text("menu_palette");
  palette.enabled = std::any_of(groups.begin(), groups.end(), [](const auto& group) {
    return !group->is_default && group->color.alpha == 0;
  });
}

void Tfrm_uda::menu_onlyClick() {
  if (const std::optional<std::size_t> index = current_index()) show_only(*index);
}

// As the mouse does on a swatch and a double click: the grid is sent the character.
void Tfrm_uda::menu_colorClick() { grid.key_press(u'\r'); }

void Tfrm_uda::menu_selectClick() { grid.key_press(u' '); }

void Tfrm_uda::menu_allClick() { apply_colors(); }

void Tfrm_uda::menu_paletteClick() { color_from_palette(); }

void Tfrm_uda::gridKeyDown(toolkit::Key key) {
  if (key == toolkit::Key::space) {
    const std::optional<std::size_t> index = current_index();
    if (index) groups[*index].get() == shown_alone_ ? apply_colors() : show_only(*index);
    return;
  }
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
  // A panel near the screen's lower right edge would put the buttons off the screen.
  add_category_dialog->keep_inside_work_area();
}

void Tfrm_uda::menu_addClick() {
  prepare_dialog(mode_texts(mode).add_caption_key, "menu_add");
  const std::weak_ptr<const void> alive = life();
  std::vector<const ObjectsGroup*> before;
  for (const auto& group : groups) before.push_back(group.get());
  if (!add_category_dialog->run_add() || alive.expired()) return;
  for (const auto& group : groups) {
    if (std::find(before.begin(), before.end(), group.get()) == before.end()) {
      history.record(add_step(group.get()));
      break;
    }
  }
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
  if (!index) return;
  ObjectsGroup* renamed = groups[*index].get();
  std::u16string old_name = renamed->name;
  if (!add_category_dialog->run_rename(*index) || alive.expired()) return;
  if (renamed->name != old_name) history.record(rename_step(renamed, std::move(old_name)));
  // The colour is stored under the new name as well; the old name's entry stays.
  save_colors();
  grid.repaint();
  note_change();
}

void Tfrm_uda::menu_deleteClick() {
  const std::optional<std::size_t> index = current_index();
  if (!index) return;
  std::unique_ptr<ObjectsGroup> removed = std::move(groups[*index]);
  groups.erase(groups.begin() + static_cast<std::ptrdiff_t>(*index));
  history.record(delete_step(std::move(removed), *index));
  set_row_count_and_layout();
  apply_colors();
  note_change();
}
