// ColorForm: the colour dialog itself, a form of the toolkit like the others, so that it looks and
// behaves the same on every backend: basic and custom colours to click, the colour as RRGGBB or
// AARRGGBB with a preview, and a "no colour" box for alpha 00.
#pragma once

#include <optional>
#include <vector>

#include "toolkit/dialogs.h"
#include "toolkit/draw_grid.h"
#include "toolkit/form.h"
#include "toolkit/widgets.h"

namespace toolkit {

class ColorForm : public Form {
 public:
  explicit ColorForm(ColorDialog& dialog);

  // Runs modally; on OK the dialog takes the colour. Custom colours added are kept either way.
  bool run();

  Label lbl_basic;
  DrawGrid grid_basic;
  Label lbl_custom;
  DrawGrid grid_custom;
  Button btn_define;
  DrawGrid pnl_preview;
  ComboBox cmb_argb;
  CheckBox cbx_no_color;
  Button btn_add_custom;
  Button btn_ok;
  Button btn_cancel;

 private:
  // Places every control from the widths of its text, the form as wide as its widest row.
  void lay_out();
  void draw_swatch(Canvas& canvas, const Rect& rect, std::optional<Argb> color, CellState state);
  void define_color();
  void choose(Argb color);
  void argb_changed();
  void no_color_clicked();
  // Everything that follows the field: OK, the preview, the marks and the "no colour" box.
  void field_changed();
  void add_custom();

  ColorDialog& dialog_;
  // Sixteen slots, the unfilled ones empty.
  std::vector<std::optional<Argb>> custom_;
  std::size_t next_custom_ = 0;
  // The colour the field names, while it names one.
  std::optional<Argb> field_color_;
  // The last colour the field named: the preview keeps showing it while the field is incomplete.
  Argb shown_color_ = 0xFF000000;
  // Set while the program ticks the "no colour" box to match the field.
  bool following_field_ = false;
};

}  // namespace toolkit
