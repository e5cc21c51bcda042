// DrawGrid: an owner-drawn grid of cells with fixed header rows, a current cell that the keyboard
// and mouse move, and handlers for painting and input.
#pragma once

#include <functional>
#include <vector>

#include "toolkit/canvas.h"
#include "toolkit/control.h"

namespace toolkit {

enum class MouseButton { left, right };
enum class Key { up, down, left, right, home, end };

struct CellState {
  bool selected = false;  // the current cell
  bool fixed = false;     // a header cell
};

class DrawGrid : public Control {
 public:
  DrawGrid(Control* parent, std::string name);

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
  // The width inside the grid's border.
  int client_width() const { return bounds().width - 2 * border; }

  int col() const { return col_; }
  int row() const { return row_; }

  Rect cell_rect(int col, int row) const;
  // False when the point lies on no cell.
  bool cell_at(Point point, int& col, int& row) const;

  // Input as the user gives it.
  void select_cell(int col, int row);
  void mouse_down(MouseButton button, Point point);
  void double_click();
  void key_down(Key key);
  // A character message, delivered at once (the handlers may run a dialog inside it).
  void key_press(char16_t key);

  // Paints every cell: the standard background, then on_draw_cell.
  void paint(Canvas& canvas);

  std::function<void(Canvas& canvas, int col, int row, const Rect& rect, CellState state)> on_draw_cell;
  std::function<void(char16_t& key)> on_key_press;
  std::function<void(MouseButton button, Point point)> on_mouse_down;
  std::function<void()> on_dbl_click;
  std::function<void(int col, int row, bool& can_select)> on_select_cell;

  static constexpr int border = 1;
  static constexpr Argb header_color = 0xFFF0F0F0;
  static constexpr Argb selection_color = 0xFF0078D7;
  static constexpr Argb window_color = 0xFFFFFFFF;

 private:
  std::vector<int> col_widths_;
  int row_count_ = 0;
  int fixed_rows_ = 0;
  int default_row_height_ = 18;
  int col_ = 0;
  int row_ = 0;
};

}  // namespace toolkit
