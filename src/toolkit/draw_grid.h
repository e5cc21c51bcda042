// DrawGrid: an owner-drawn grid of cells with fixed header rows, a current cell that the keyboard
// and mouse move, and handlers for painting and input.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "toolkit/canvas.h"
#include "toolkit/control.h"
#include "toolkit/key_strokes.h"

namespace toolkit {

enum class MouseButton { left, right };

struct CellState {
  bool selected = false;  // the current cell, or a cell of the current row in a grid of rows
  bool fixed = false;     // a header cell
  // Drawn for a screen reader's words, not for the eye: a mark the row's mark text already says is
  // left out.
  bool read_aloud = false;
};

class DrawGrid : public Control {
 public:
  DrawGrid(Control* parent, std::string name);
  bool takes_focus() const override { return true; }

  int col_count() const { return static_cast<int>(col_widths_.size()); }
  void set_col_count(int count);
  int row_count() const { return row_count_; }
  void set_row_count(int count);
  int fixed_rows() const { return fixed_rows_; }
  void set_fixed_rows(int count);
  int col_width(int col) const { return col_widths_.at(static_cast<std::size_t>(col)); }
  void set_col_width(int col, int width);
  int default_row_height() const { return default_row_height_; }
  void set_default_row_height(int height);
  // The width inside the grid's border, less the scroll bar when it is shown.
  int client_width() const {
    return bounds().width - 2 * border - (scroll_bar_shown() ? scroll_bar_width : 0);
  }

  // Scrolling: the rows below the fixed ones start at top_row; the vertical scroll bar is shown
  // when the rows do not all fit.
  int top_row() const { return top_row_; }
  // How many rows below the fixed ones fit whole (at least one).
  int visible_rows() const;
  bool scroll_bar_shown() const;
  // The scroll bar's place in the grid's coordinates.
  Rect scroll_bar_rect() const;
  // Scrolls so that top is the first row shown below the fixed ones, as far as the rows allow.
  void scroll_to(int top);
  // Scrolls as little as needed for the row to be shown whole.
  void scroll_into_view(int row);

  int col() const { return col_; }
  int row() const { return row_; }

  // A grid of rows, as a list: the whole current row is current, painted so across every column,
  // and Left and Right move nothing. The mouse still tells which cell it pressed (col()).
  bool row_select = false;
  CellState cell_state(int col, int row) const;
  // The current cell, or the current row across every column in a grid of rows.
  Rect current_rect() const;

  // A cell's place in the grid's coordinates, where it is shown; rows scrolled away lie above.
  Rect cell_rect(int col, int row) const;
  // False when the point lies on no cell shown.
  bool cell_at(Point point, int& col, int& row) const;

  // Input as the user gives it.
  void select_cell(int col, int row);
  // A left press on the scroll bar scrolls by a row on its arrows and by a page beside its thumb.
  void mouse_down(MouseButton button, Point point);
  // The mouse wheel: rows to scroll, positive downward.
  void wheel(int rows);
  void double_click();
  void key_down(Key key);
  // A character message, delivered at once (the handlers may run a dialog inside it).
  void key_press(char16_t key);

  // Paints every cell: the standard background in the system's colours, the current cell or row
  // in the highlight while the grid has the focus and in the button face inside a frame of the
  // highlight without it, then on_draw_cell, whose texts are shown as text and cut with an
  // ellipsis at the cell's right edge.
  void paint(Canvas& canvas, bool focused);
  // The whole text of a cell that the last painting cut; empty when it showed whole.
  std::u16string cut_text(int col, int row) const;
  // What the grid's tooltip shows for a cell: a cut text whole, else what on_cell_hint gives.
  std::u16string cell_hint(int col, int row) const;

  std::function<void(Canvas& canvas, int col, int row, const Rect& rect, CellState state)> on_draw_cell;
  // A key that types no character and moves no cell (the arrows, Home, End and the page keys
  // move the current cell); Space comes here only with Ctrl, typing nothing.
  std::function<void(Key key)> on_key_down;
  std::function<void(char16_t& key)> on_key_press;
  std::function<void(MouseButton button, Point point)> on_mouse_down;
  std::function<void()> on_dbl_click;
  std::function<void(int col, int row, bool& can_select)> on_select_cell;
  // A cell's own hint, asked when the mouse rests on it; empty for none.
  std::function<std::u16string(int col, int row)> on_cell_hint;
  // A row's mark beyond what its cells' words say (the category shown alone), in words; empty for
  // none. Screen readers get it as the row's state and description.
  std::function<std::u16string(int row)> on_row_mark;

  static constexpr int border = 1;
  static constexpr int scroll_bar_width = 17;

 private:
  std::vector<int> col_widths_;
  int row_count_ = 0;
  int fixed_rows_ = 0;
  int default_row_height_ = 18;
  int col_ = 0;
  int row_ = 0;
  int top_row_ = 0;
  std::map<std::pair<int, int>, std::u16string> cut_texts_;

 protected:
  void bounds_changed() override;
};

}  // namespace toolkit
