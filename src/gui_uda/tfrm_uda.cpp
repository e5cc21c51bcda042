// Tfrm_uda: construction, showing, the viewer's interface settings, model loads, destruction.
#include "gui_uda/tfrm_uda.h"

#include <algorithm>
#include <filesystem>
#include <utility>

#include "gui_uda/gui_color.h"
#include "plugin_base/host_api.h"
#include "plugin_base/language_text.h"
#include "toolkit/shown_text.h"
#include "toolkit/text_metrics.h"

namespace {

// The first panel created in the process: it keeps the colour dialog's custom colours, and its
// colour dialog serves both panels.
Tfrm_uda* colors_owner = nullptr;
// Only the first show of each mode places the panel and looks up these texts; they start again
// with the custom colours when the plug-in is loaded again in the same process.
bool first_show[2] = {true, true};

constexpr char16_t custom_colors_file[] = u"CustomColors.dat";

// A text with its %1, %2 and %3 replaced by the values.
std::u16string filled_in(std::u16string filled, std::u16string_view first, std::u16string_view second,
                         std::u16string_view third) {
  const std::u16string_view values[] = {first, second, third};
  for (std::size_t at = 0; (at = filled.find(u'%', at)) != std::u16string::npos;) {
    const char16_t which = at + 1 < filled.size() ? filled[at + 1] : u'\0';
    if (which < u'1' || which > u'3') {
      ++at;
      continue;
    }
    const std::u16string_view value = values[which - u'1'];
    filled.replace(at, 2, value);
    at += value.size();
  }
  return filled;
}

}  // namespace

Tfrm_uda::Tfrm_uda(cpp::PluginBase& owner_plugin, PanelMode panel_mode)
    : toolkit::Form(mode_texts(panel_mode).form_name, toolkit::FormStyle::tool_window),
      mode(panel_mode),
      plugin(owner_plugin),
      host_handle(owner_plugin.host_handle),
      pnl_bottom(this, "pnl_bottom"),
      cbx_auto_select(&pnl_bottom, "cbx_auto_select"),
      btn_save(&pnl_bottom, "btn_save"),
      btn_open(&pnl_bottom, "btn_open"),
      grid(this, "grid") {
  // A top-level tool window owned by the viewer's main window, not a control inside it.
  set_owner_window(plugin.host_window);
  set_client_size(245, 336);
  set_minimum_size(220, 200);

  pnl_bottom.set_bounds({0, 0, 245, 24});
  pnl_bottom.set_align(toolkit::Align::bottom);
  cbx_auto_select.set_bounds({7, 6, 186, 14});
  btn_save.set_bounds({0, 0, 23, 24});
  btn_save.set_align(toolkit::Align::right);
  btn_save.images = &images_small;
  btn_save.set_image_index(1);
  btn_open.set_bounds({0, 0, 23, 24});
  btn_open.set_align(toolkit::Align::right);
  btn_open.images = &images_small;
  btn_open.set_image_index(0);
  // Tab goes as the eye reads: the grid, the check box, then the buttons from the left.
  btn_open.tab_order = 1;
  btn_save.tab_order = 2;

  grid.set_col_count(3);
  grid.set_row_count(1);
  grid.set_fixed_rows(1);
  grid.set_default_row_height(18);
  grid.set_align(toolkit::Align::client);
  // A row is a category: its name, count and colour are one choice, as in a list.
  grid.row_select = true;
  grid.popup_menu = &popup_menu;
  focus_at_each_show(&grid);
  grid.on_draw_cell = [this](toolkit::Canvas& canvas, int col, int row, const toolkit::Rect& rect,
                             toolkit::CellState state) { gridDrawCell(canvas, col, row, rect, state); };
  grid.on_key_down = [this](toolkit::Key key) { gridKeyDown(key); };
  grid.on_key_press = [this](char16_t& key) { gridKeyPress(key); };
  grid.on_mouse_down = [this](toolkit::MouseButton button, toolkit::Point point) {
    gridMouseDown(button, point);
  };
  grid.on_dbl_click = [this] { gridDblClick(); };
  grid.on_select_cell = [this](int col, int row, bool& can_select) { gridSelectCell(col, row, can_select); };
  grid.on_cell_hint = [this](int col, int row) { return count_hint(col, row); };
  grid.on_row_mark = [this](int row) { return gridRowMark(row); };
  cbx_auto_select.on_click = [this] { cbx_auto_selectClick(); };
  btn_open.on_click = [this] { btn_openClick(); };
  btn_save.on_click = [this] { btn_saveClick(); };
  // The editing entries first, where keys and habits expect them; the additions below them.
  popup_menu.add("menu_add", u"Add").on_click = [this] { menu_addClick(); };
  popup_menu.add("menu_rename", u"Rename").on_click = [this] { menu_renameClick(); };
  popup_menu.add_separator("N1");
  popup_menu.add("menu_delete", u"Delete").on_click = [this] { menu_deleteClick(); };
  popup_menu.add_separator("N0");
  popup_menu.add("menu_color", u"Choose colour\u2026").on_click = [this] { menu_colorClick(); };
  popup_menu.add("menu_select", u"Select objects").on_click = [this] { menu_selectClick(); };
  popup_menu.add_separator("N3");
  popup_menu.add("menu_undo", u"Undo").on_click = [this] { undo(); };
  popup_menu.add("menu_redo", u"Redo").on_click = [this] { redo(); };
  popup_menu.add_separator("N2");
  popup_menu.add("menu_only", u"Show only").on_click = [this] { menu_onlyClick(); };
  popup_menu.add("menu_all", u"Show all").on_click = [this] { menu_allClick(); };
  popup_menu.add("menu_palette", u"Colour all from the palette").on_click = [this] { menu_paletteClick(); };
  popup_menu.on_popup = [this] { popup_menuPopup(); };
  add_category_dialog = std::make_unique<Tfrm_add_category>(groups);
  add_category_dialog->set_owner_window(window_handle());
  on_show = [this] { FormShow(); };
  on_query = [this](std::string_view subject) {
    if (subject == "history") return history_listing();
    if (subject == "totals") return totals_listing();
    // "parts N": the objects below the filed objects of the category in grid row N.
    if (subject.starts_with("parts ")) {
      const std::string row(subject.substr(6));
      const std::size_t index = static_cast<std::size_t>(std::atoi(row.c_str()));
      // The default row files nothing: it has no count, and no parts.
      if (index == 0 || index > groups.size() || groups[index - 1]->is_default) return std::u16string();
      const std::string parts = std::to_string(parts_of(*groups[index - 1]));
      return std::u16string(parts.begin(), parts.end());
    }
    return std::u16string();
  };
  on_resize = [this] { FormResize(); };
  FormResize();

  if (colors_owner == nullptr) {
    colors_owner = this;
    try {
      if (!color_dlg.custom_colors.load_from_file(plugin.user_folder + custom_colors_file)) {
        color_dlg.custom_colors.lines.clear();
      }
    } catch (...) {
      color_dlg.custom_colors.lines.clear();
    }
    loaded_custom_colors = color_dlg.custom_colors.lines;
  }
  add_category_dialog->btn_cancel.set_caption(text("cancel"));
  // The list may be made before the panel is first shown (the export, a model load).
  default_name = text(mode_texts(mode).default_name_key);
}

Tfrm_uda::~Tfrm_uda() {
  if (colors_owner != this) return;
  // A panel made after this one (the viewer loading the plug-in again) takes the custom colours over
  // and is placed and captioned as on the first load.
  colors_owner = nullptr;
  std::fill(std::begin(first_show), std::end(first_show), true);
  // Written only when the user changed them: an unchanged file keeps its bytes and encoding.
  if (color_dlg.custom_colors.lines == loaded_custom_colors) return;
  std::error_code ignored;
  std::filesystem::create_directories(std::filesystem::path(plugin.user_folder), ignored);
  color_dlg.custom_colors.save_to_file(plugin.user_folder + custom_colors_file);
}

std::u16string Tfrm_uda::text(const char* key) const { return cpp::language_text(host_handle, key); }

std::u16string Tfrm_uda::text(const char* key, std::u16string_view first, std::u16string_view second,
                              std::u16string_view third) const {
  return filled_in(text(key), first, second, third);
}

std::u16string Tfrm_uda::counted_text(const char* key, std::initializer_list<std::uint64_t> counts,
                                      std::u16string_view first, std::u16string_view second,
                                      std::u16string_view third) const {
  return filled_in(cpp::language_text(host_handle, key, counts), first, second, third);
}

toolkit::ColorDialog& Tfrm_uda::shared_color_dialog() {
  return colors_owner != nullptr ? colors_owner->color_dlg : color_dlg;
}

void Tfrm_uda::FormShow() {
  const PanelModeTexts& texts = mode_texts(mode);
  bool& first = first_show[static_cast<int>(mode)];
  if (first) {
    first = false;
    viewer::ViewRect view{};
    viewer::get_view_rect(host_handle, &view);
    set_position(view.left + 20, view.top + 20);
    caption_text = text(texts.caption_key);
    // Screen readers call the table by the panel's name.
    grid.set_accessible_name(caption_text);
    set_unsaved(unsaved);
    cbx_auto_select.set_caption(text("cbx_auto_select"));
    name_header = text(texts.name_header_key);
    file_filter = text(texts.file_filter_key);
  }
  btn_open.set_hint(text("btn_open.hint"));
  btn_save.set_hint(text("btn_save.hint"));
  // Their names beside their icons, for those who do not hover.
  btn_open.set_caption(text("btn_open"));
  btn_save.set_caption(text("btn_save"));
  fit_bottom_row();
  popup_menu.find("menu_add")->caption = text("menu_add");
  // Each entry shows the key that does the same in the grid, in the viewer's language.
  constexpr std::pair<const char*, const char*> shortcuts[] = {
      {"menu_add", "key_insert"},  {"menu_rename", "key_f2"},      {"menu_delete", "key_delete"},
      {"menu_color", "key_enter"}, {"menu_select", "key_space"},   {"menu_undo", "key_ctrl_z"},
      {"menu_redo", "key_ctrl_y"}, {"menu_only", "key_ctrl_space"}};
  for (const auto& [item, key] : shortcuts) popup_menu.find(item)->shortcut = text(key);
  color_header = text("color");
  count_header = text("count");
  rename_label = text("menu_rename");
  delete_label = text("menu_delete");
  apply_gui_settings();
  if (groups.empty()) {
    reload_groups();
  } else if (recovery_pending) {
    // Filled for an export, which leaves unsaved changes for the panel to offer.
    recovery_pending = false;
    offer_recovery(model_of_list);
  }
  apply_colors();
}

void Tfrm_uda::fit_bottom_row() {
  constexpr int box_and_gap = 13 + 4;
  constexpr int caption_margin = 4;
  // A button's margins on both sides, its icon and the gap before its name.
  constexpr int icon_and_margins = 8 + 16 + 4 + 8;
  constexpr int designed_minimum_width = 220;
  constexpr int minimum_height = 200;
  const toolkit::Rect box = cbx_auto_select.bounds();
  const int box_width = box_and_gap +
                        toolkit::text_width(toolkit::without_access_key(cbx_auto_select.caption())) +
                        caption_margin;
  cbx_auto_select.set_bounds({box.left, box.top, box_width, box.height});
  int buttons_width = 0;
  for (toolkit::Button* button : {&btn_open, &btn_save}) {
    const toolkit::Rect place = button->bounds();
    const std::u16string name = toolkit::without_access_key(button->caption());
    const int width = name.empty() ? place.width : icon_and_margins + toolkit::text_width(name);
    button->set_bounds({place.left, place.top, width, place.height});
    buttons_width += width;
  }
  const int frame_width = width() - client_rect().width;
  set_minimum_size(std::max(designed_minimum_width, box.left + box_width + buttons_width + frame_width),
                   minimum_height);
}

void Tfrm_uda::apply_gui_settings() {
  pnl_bottom.set_color(
      gui_color_argb(viewer::get_gui_color(host_handle, viewer::gui_color_panel_background)));
  grid.set_default_row_height(viewer::is_touch_mode(host_handle) ? 26 : 18);
}

void Tfrm_uda::on_model_loaded() {
  clear_groups();
  if (!visible()) return;
  reload_groups();
  apply_colors();
}

void Tfrm_uda::clear_groups() {
  // The steps name the categories of this list: the history ends with it.
  history.clear();
  groups.clear();
  forget_totals();
}
