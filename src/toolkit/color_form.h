// ColorForm: the colour dialog itself, a form of the toolkit like the others, so that it looks and
// behaves the same on every backend: basic and custom colours to click, and the colour as
// AARRGGBB, alpha first, where 00 in front means no colour.
#pragma once

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
  ComboBox cmb_argb;
  Button btn_add_custom;
  Button btn_ok;
  Button btn_cancel;

 private:
  void draw_swatch(Canvas& canvas, const Rect& rect, Argb color, bool current);
  void choose(Argb color);
  void argb_changed();
  void add_custom();

  ColorDialog& dialog_;
  std::vector<Argb> custom_;
  std::size_t next_custom_ = 0;
};

}  // namespace toolkit
