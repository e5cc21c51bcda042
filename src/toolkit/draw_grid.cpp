// DrawGrid: cell geometry, the current cell and input handling in one place for every backend.
#include "toolkit/draw_grid.h"

#include <algorithm>

#include "toolkit/backend.h"
#include "toolkit/shown_text.h"

namespace toolkit {
namespace {

// The canvas a cell's handler draws on: its texts shown as text, cut to the cell, clipped there.
class CellCanvas : public Canvas {
 public:
  CellCanvas(Canvas& canvas, const Rect& cell, std::u16string& cut)
      : canvas_(canvas), cell_(cell), cut_(cut) {}

  void set_font_color(Argb color) override { canvas_.set_font_color(color); }
  void text_out(int x, int y, std::u16string_view text) override {
    const std::u16string shown = shown_text(text);
    const std::u16string fitted = fitted_text(shown, cell_.right() - x - right_margin);
    if (fitted != shown) cut_ = shown;
    canvas_.text_out_clipped(cell_, x, y, fitted);
  }
  void text_out_clipped(const Rect& clip, int x, int y, std::u16string_view text) override {
    canvas_.text_out_clipped(clip, x, y, text);
  }
  void fill_hatch(const Rect& rect, Argb foreground, Argb background) override {
    canvas_.fill_hatch(rect, foreground, background);
  }
  void fill_solid(const Rect& rect, Argb color) override { canvas_.fill_solid(rect, color); }
  void draw_outline(const Rect& rect, Argb color, float width) override {
    canvas_.draw_outline(rect, color, width);
  }

 private:
  // Room after the text, as the grid's texts start 4 in from the left.
  static constexpr int right_margin = 2;

  Canvas& canvas_;
  Rect cell_;
  std::u16string& cut_;
};

}  // namespace

DrawGrid::DrawGrid(Control* parent, std::string name) : Control(parent, std::move(name)) {}

void DrawGrid::set_col_count(int count) {
  col_widths_.resize(static_cast<std::size_t>(std::max(count, 0)), 64);
  col_ = std::clamp(col_, 0, std::max(count - 1, 0));
  repaint();
}

void DrawGrid::set_row_count(int count) {
  row_count_ = std::max(count, 0);
  // The current cell stays on a row that exists, below the fixed rows when there is one.
  if (row_ >= row_count_ || row_ < fixed_rows_)
    row_ = std::clamp(row_, fixed_rows_, std::max(row_count_ - 1, 0));
  scroll_to(top_row_);
}

void DrawGrid::set_fixed_rows(int count) {
  fixed_rows_ = std::max(count, 0);
  if (row_ < fixed_rows_ && fixed_rows_ < row_count_) row_ = fixed_rows_;
  scroll_to(top_row_);
}

void DrawGrid::set_col_width(int col, int width) {
  col_widths_.at(static_cast<std::size_t>(col)) = width;
  repaint();
}

void DrawGrid::set_default_row_height(int height) {
  default_row_height_ = height;
  scroll_to(top_row_);
}

void DrawGrid::bounds_changed() { scroll_to(top_row_); }

int DrawGrid::visible_rows() const {
  return std::max((bounds().height - 2 * border) / (default_row_height_ + 1) - fixed_rows_, 1);
}

bool DrawGrid::scroll_bar_shown() const {
  return row_count_ > fixed_rows_ && row_count_ - fixed_rows_ > visible_rows();
}

Rect DrawGrid::scroll_bar_rect() const {
  return {bounds().width - border - scroll_bar_width, border, scroll_bar_width, bounds().height - 2 * border};
}

void DrawGrid::scroll_to(int top) {
  top_row_ = std::clamp(top, fixed_rows_, std::max(row_count_ - visible_rows(), fixed_rows_));
  repaint();
}

void DrawGrid::scroll_into_view(int row) {
  if (row < fixed_rows_) return;
  if (row < top_row_) {
    scroll_to(row);
  } else if (row >= top_row_ + visible_rows()) {
    scroll_to(row - visible_rows() + 1);
  }
}

void DrawGrid::wheel(int rows) { scroll_to(top_row_ + rows); }

Rect DrawGrid::cell_rect(int col, int row) const {
  int left = border;
  for (int c = 0; c < col; ++c) left += col_width(c) + 1;  // one-pixel grid lines
  const int shown_row = row < fixed_rows_ ? row : row - top_row_ + fixed_rows_;
  return {left, border + shown_row * (default_row_height_ + 1), col_width(col), default_row_height_};
}

bool DrawGrid::cell_at(Point point, int& col, int& row) const {
  if (scroll_bar_shown() && scroll_bar_rect().contains(point)) return false;
  for (int r = 0; r < row_count_; ++r) {
    if (r >= fixed_rows_ && r < top_row_) continue;
    for (int c = 0; c < col_count(); ++c) {
      if (cell_rect(c, r).contains(point)) {
        col = c;
        row = r;
        return true;
      }
    }
  }
  return false;
}

void DrawGrid::select_cell(int col, int row) {
  if (col < 0 || col >= col_count() || row < fixed_rows_ || row >= row_count_) return;
  bool can_select = true;
  if (on_select_cell) on_select_cell(col, row, can_select);
  if (!can_select) return;
  col_ = col;
  row_ = row;
  scroll_into_view(row_);
  repaint();
}

void DrawGrid::mouse_down(MouseButton button, Point point) {
  const Rect bar = scroll_bar_rect();
  if (scroll_bar_shown() && bar.contains(point)) {
    if (button != MouseButton::left) return;
    const int arrow = std::min(scroll_bar_width, bar.height / 2);
    if (point.y < bar.top + arrow) {
      scroll_to(top_row_ - 1);
    } else if (point.y >= bar.bottom() - arrow) {
      scroll_to(top_row_ + 1);
    } else {
      // Beside the thumb: a page toward the press.
      const int shown = visible_rows();
      const int track = bar.height - 2 * arrow;
      const int thumb_top = bar.top + arrow + track * (top_row_ - fixed_rows_) / (row_count_ - fixed_rows_);
      scroll_to(point.y < thumb_top ? top_row_ - shown : top_row_ + shown);
    }
    return;
  }
  // A left press moves the current cell before the handler runs; other buttons do not.
  int col = 0;
  int row = 0;
  if (button == MouseButton::left && cell_at(point, col, row)) select_cell(col, row);
  if (on_mouse_down) on_mouse_down(button, point);
}

void DrawGrid::double_click() {
  if (on_dbl_click) on_dbl_click();
}

void DrawGrid::key_down(Key key) {
  const int page = visible_rows();
  switch (key) {
    case Key::up: select_cell(col_, row_ - 1); break;
    case Key::down: select_cell(col_, row_ + 1); break;
    case Key::left:
    case Key::right:
      // In a grid of rows the whole row is current already: there is no cell to go to.
      if (!row_select) select_cell(key == Key::left ? col_ - 1 : col_ + 1, row_);
      break;
    case Key::home: select_cell(col_, fixed_rows_); break;
    case Key::end: select_cell(col_, row_count_ - 1); break;
    case Key::page_up: select_cell(col_, std::max(row_ - page, fixed_rows_)); break;
    case Key::page_down: select_cell(col_, std::min(row_ + page, row_count_ - 1)); break;
    default:
      // It may run a dialog, after which the grid may be gone: nothing of it is touched after.
      if (on_key_down) on_key_down(key);
      break;
  }
}

void DrawGrid::key_press(char16_t key) {
  if (on_key_press) on_key_press(key);
}

CellState DrawGrid::cell_state(int col, int row) const {
  const bool current = row == row_ && row >= fixed_rows_ && (row_select || col == col_);
  return {current, row < fixed_rows_};
}

Rect DrawGrid::current_rect() const {
  const Rect cell = cell_rect(row_select ? 0 : col_, row_);
  if (!row_select || col_count() == 0) return cell;
  const Rect last = cell_rect(col_count() - 1, row_);
  return {cell.left, cell.top, last.right() - cell.left, cell.height};
}

void DrawGrid::paint(Canvas& canvas, bool focused) {
  using backend::system_color;
  using backend::SystemColor;
  const Argb window = system_color(SystemColor::window);
  const Argb face = system_color(SystemColor::face);
  const Argb highlight = system_color(SystemColor::highlight);
  const Argb selection_text = system_color(focused ? SystemColor::highlight_text : SystemColor::face_text);
  cut_texts_.clear();
  const Rect area = client_rect();
  canvas.fill_solid(area, window);
  if (row_count_ > fixed_rows_ && col_count() > 0 && row_ >= top_row_) {
    // Without the focus the face stands inside a frame of the highlight: in High Contrast the face
    // is the window's colour, and the frame alone keeps the current row in sight.
    const Rect current = current_rect();
    canvas.fill_solid(current, highlight);
    if (!focused)
      canvas.fill_solid({current.left + 1, current.top + 1, current.width - 2, current.height - 2}, face);
  }
  for (int r = 0; r < row_count_; ++r) {
    if (r >= fixed_rows_ && r < top_row_) continue;
    for (int c = 0; c < col_count(); ++c) {
      const Rect rect = cell_rect(c, r);
      if (rect.top >= area.bottom()) return;
      const CellState state = cell_state(c, r);
      if (!state.selected) canvas.fill_solid(rect, state.fixed ? face : window);
      canvas.set_font_color(state.fixed      ? system_color(SystemColor::face_text)
                            : state.selected ? selection_text
                                             : system_color(SystemColor::window_text));
      if (!on_draw_cell) continue;
      std::u16string cut;
      CellCanvas cell(canvas, rect, cut);
      on_draw_cell(cell, c, r, rect, state);
      if (!cut.empty()) cut_texts_[{c, r}] = std::move(cut);
    }
  }
}

std::u16string DrawGrid::cut_text(int col, int row) const {
  const auto found = cut_texts_.find({col, row});
  return found != cut_texts_.end() ? found->second : std::u16string();
}

std::u16string DrawGrid::cell_hint(int col, int row) const {
  std::u16string whole = cut_text(col, row);
  if (whole.empty() && on_cell_hint) whole = on_cell_hint(col, row);
  return whole;
}

}  // namespace toolkit
