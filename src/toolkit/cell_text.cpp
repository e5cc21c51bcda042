// A cell's words, taken from its draw handler as it paints the cell.
#include "toolkit/cell_text.h"

#include <optional>

#include "toolkit/color_words.h"
#include "toolkit/draw_grid.h"

namespace toolkit {
namespace {

class CellWords : public Canvas {
 public:
  void set_font_color(Argb) override {}
  void text_out(int, int, std::u16string_view text) override { text_ += text; }
  void fill_hatch(const Rect&, Argb, Argb) override { hatched_ = true; }
  void fill_solid(const Rect&, Argb color) override { fill_ = color; }
  void draw_outline(const Rect&, Argb, float) override {}

  std::u16string words() const {
    if (!text_.empty()) return text_;
    if (fill_) return color_words(*fill_);
    return hatched_ ? no_color_words() : std::u16string();
  }

 private:
  std::u16string text_;
  bool hatched_ = false;
  std::optional<Argb> fill_;
};

}  // namespace

std::u16string cell_text(const DrawGrid& grid, int col, int row) {
  if (!grid.on_draw_cell || col < 0 || col >= grid.col_count() || row < 0 || row >= grid.row_count())
    return {};
  CellWords cell;
  CellState state = grid.cell_state(col, row);
  state.read_aloud = true;
  grid.on_draw_cell(cell, col, row, grid.cell_rect(col, row), state);
  return cell.words();
}

std::u16string row_text(const DrawGrid& grid, int row) {
  std::u16string text;
  for (int col = 0; col < grid.col_count(); ++col) {
    const std::u16string cell = cell_text(grid, col, row);
    if (cell.empty()) continue;
    if (!text.empty()) text += u", ";
    text += cell;
  }
  return text;
}

}  // namespace toolkit
