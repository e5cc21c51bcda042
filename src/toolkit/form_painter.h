// FormPainter: what a form's picture is drawn with, a few operations for the whole form and its
// widgets (the desktop's display list, which the headless pictures are drawn from).
#pragma once

#include <string_view>

#include "toolkit/canvas.h"

namespace toolkit {

class Control;
class Form;

class FormPainter : public Canvas {
 public:
  // Where the canvas operations of the control being painted are measured from.
  virtual void set_origin(Point origin) = 0;
  virtual void check_box(const Rect& rect, bool checked, std::u16string_view caption) = 0;
  // image: the image list's name of the button's image, empty for none.
  virtual void button(const Rect& rect, bool enabled, std::string_view image,
                      std::u16string_view caption) = 0;
  virtual void edit(const Rect& rect, std::u16string_view text) = 0;
  // A vertical scroll bar over total rows of which shown, from first, are in view.
  virtual void scroll_bar(const Rect& rect, int first, int shown, int total) = 0;
  // What follows is drawn inside rect only, until unclip.
  virtual void clip(const Rect& rect) = 0;
  virtual void unclip() = 0;
};

// Paints the form's client area and every visible control on it, in form coordinates.
void paint_form(Form& form, FormPainter& painter);

// The control that lies at a point of the form's client area, the innermost one; null for none.
Control* control_at(Form& form, Point point);
// The control's rectangle in the form's client coordinates.
Rect rect_on_form(const Control& control);

}  // namespace toolkit
