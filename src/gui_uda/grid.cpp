// The panel's grid: painting its cells, the column layout, and what keys and the mouse do.
#include <algorithm>
#include <string>

#include "gui_uda/panel_steps.h"
#include "gui_uda/tfrm_uda.h"
#include "plugin_base/host_api.h"
#include "toolkit/cursor.h"

namespace {

constexpr toolkit::Argb count_color = 0xFF808080;
constexpr toolkit::Argb hatch_foreground = 0xFFC8C8C8;
constexpr toolkit::Argb hatch_background = 0xFFFFFFFF;
constexpr toolkit::Argb outline_color = 0xFF7F7F7F;
constexpr int small_columns_width = 50;

}  // namespace

void Tfrm_uda::FormResize() { set_row_count_and_layout(); }

void Tfrm_uda::set_row_count_and_layout() {
  grid.set_row_count(static_cast<int>(groups.size()) + 1);
  grid.set_col_width(1, small_columns_width);
  grid.set_col_width(2, small_columns_width);
  grid.set_col_width(0, grid.client_width() - 2 * small_columns_width - 2);
}

void Tfrm_uda::gridDrawCell(toolkit::Canvas& canvas, int col, int row, const toolkit::Rect& rect,
                            toolkit::CellState state) {
  const int x = rect.left + 4;
  const int y = rect.top + 2;
  if (row == 0) {
    canvas.text_out(x, y, col == 0 ? name_header : col == 1 ? count_header : color_header);
    return;
  }
  const auto index = static_cast<std::size_t>(row - 1);
  if (index >= groups.size()) return;
  const ObjectsGroup& group = *groups[index];
  if (col == 0) {
    // The category shown alone carries a mark until colours are applied again; a screen reader
    // hears it from the row's state and description instead.
    const bool marked = &group == shown_alone_ && !state.read_aloud;
    canvas.text_out(x, y, marked ? u"\u25BA " + group.name : group.name);
  } else if (col == 1) {
    if (group.is_default) return;
    // On the current row the count takes the row's own text colour: grey would fade on the highlight.
    if (!state.selected) canvas.set_font_color(count_color);
    const std::string count = std::to_string(group.object_ids.size());
    canvas.text_out(x, y, std::u16string(count.begin(), count.end()));
  } else {
    const toolkit::Rect swatch{rect.left + 2, rect.top + 2, rect.width - 6, rect.height - 6};
    canvas.fill_hatch(swatch, hatch_foreground, hatch_background);
    if (group.color.alpha != 0) canvas.fill_solid(swatch, group.color.argb());
    canvas.draw_outline(swatch, outline_color, 1.0f);
  }
}

void Tfrm_uda::gridKeyPress(char16_t& key) {
  // Ctrl+Z undoes, Ctrl+Y and Ctrl+Shift+Z redo: the characters the system types for them.
  constexpr char16_t control_y = 0x19;
  constexpr char16_t control_z = 0x1A;
  if (key == control_z || key == control_y) {
    key == control_z && !toolkit::shift_key_down() ? undo() : redo();
    return;
  }
  if (key == u' ') {
    select_group(grid.row() - 1);
    return;
  }
  // A letter, digit or sign goes to the row whose name starts with what was typed.
  if (key > u' ' && key != u'\x7F') {
    const std::optional<int> row =
        type_ahead.row_for(key, toolkit::key_time_ms(), grid.row(), 1, static_cast<int>(groups.size()),
                           [this](int found) { return groups[static_cast<std::size_t>(found - 1)]->name; });
    if (row) grid.select_cell(grid.col(), *row);
    return;
  }
  if (key != u'\r') return;
  const std::optional<std::size_t> index = current_index();
  if (!index) return;
  const ObjectsGroup* chosen = groups[*index].get();
  const std::weak_ptr<const void> alive = life();
  toolkit::ColorDialog& dialog = shared_color_dialog();
  if (!dialog.execute(window_handle()) || alive.expired()) return;
  // The list may have been filled anew while the dialog stood open.
  const auto still_there = std::find_if(groups.begin(), groups.end(),
                                        [chosen](const auto& group) { return group.get() == chosen; });
  if (still_there == groups.end()) return;
  ObjectsGroup& group = **still_there;
  const Rgba old_color = group.color;
  group.color = Rgba::from_argb(dialog.color);
  save_colors();
  if (group.color != old_color) record(color_step(&group, old_color));
  if (group.is_default) {
    apply_colors();
    return;
  }
  // While another category is shown alone, this one stays grey with the rest.
  if (shown_alone_ == nullptr || shown_alone_ == &group) color_objects(group);
  viewer::select(host_handle, plugin.selected_id, false);
  viewer::invalidate(host_handle);
  grid.repaint();
}

void Tfrm_uda::gridMouseDown(toolkit::MouseButton, toolkit::Point point) {
  int col = 0;
  int row = 0;
  if (grid.col() == 2 && grid.row() > 0 && grid.cell_at(point, col, row) && col == 2 && row > 0) {
    grid.key_press(u'\r');
  }
}

void Tfrm_uda::gridDblClick() { grid.key_press(u' '); }

void Tfrm_uda::gridSelectCell(int, int row, bool&) {
  if (cbx_auto_select.checked()) select_group(row - 1);
}

std::u16string Tfrm_uda::gridRowMark(int row) const {
  const auto index = static_cast<std::size_t>(row - 1);
  if (row < 1 || index >= groups.size() || groups[index].get() != shown_alone_) return {};
  return text("row_shown_alone");
}

void Tfrm_uda::cbx_auto_selectClick() {
  if (cbx_auto_select.checked()) {
    select_group(grid.row() - 1);
    return;
  }
  viewer::select(host_handle, plugin.selected_id, false);
  viewer::invalidate(host_handle);
}
