// Painting a form's light widgets, and finding the widget under a point.
#include <string>

#include "toolkit/backend.h"
#include "toolkit/draw_grid.h"
#include "toolkit/form.h"
#include "toolkit/form_painter.h"
#include "toolkit/shown_text.h"
#include "toolkit/widgets.h"

namespace toolkit {
namespace {

constexpr Argb grid_border_color = 0xFF828790;

void paint_control(Control& control, FormPainter& painter) {
  if (!control.visible()) return;
  const Rect placed = rect_on_form(control);
  if (auto* panel = dynamic_cast<Panel*>(&control)) {
    painter.set_origin({0, 0});
    painter.fill_solid(placed, panel->color());
  } else if (auto* label = dynamic_cast<Label*>(&control)) {
    painter.set_origin({0, 0});
    painter.set_font_color(backend::system_color(backend::SystemColor::face_text));
    painter.text_out(placed.left, placed.top, label->caption());
  } else if (auto* box = dynamic_cast<CheckBox*>(&control)) {
    painter.check_box(placed, box->checked(), without_access_key(box->caption()));
  } else if (auto* button = dynamic_cast<Button*>(&control)) {
    const int index = button->image_index();
    const bool has_image = button->images != nullptr && index >= 0 &&
                           static_cast<std::size_t>(index) < button->images->names.size();
    painter.button(placed, button->enabled(),
                   has_image ? std::string_view(button->images->names[static_cast<std::size_t>(index)])
                             : std::string_view(),
                   without_access_key(button->caption()));
  } else if (auto* edit = dynamic_cast<ComboBox*>(&control)) {
    painter.edit(placed, edit->text());
  } else if (auto* grid = dynamic_cast<DrawGrid*>(&control)) {
    painter.clip(placed);
    painter.set_origin({placed.left, placed.top});
    // The desktop's pictures show the grid as the user works it, with the focus.
    grid->paint(painter, true);
    painter.set_origin({0, 0});
    if (grid->scroll_bar_shown()) {
      const Rect bar = grid->scroll_bar_rect();
      painter.scroll_bar({placed.left + bar.left, placed.top + bar.top, bar.width, bar.height},
                         grid->top_row() - grid->fixed_rows(), grid->visible_rows(),
                         grid->row_count() - grid->fixed_rows());
    }
    painter.draw_outline(placed, grid_border_color, 1.0f);
    painter.unclip();
  }
  for (Control* child : control.children()) paint_control(*child, painter);
}

}  // namespace

Rect rect_on_form(const Control& control) {
  Rect rect = control.bounds();
  rect.left = 0;
  rect.top = 0;
  // A form's own bounds are its place on the screen: only the controls below it count.
  for (const Control* at = &control; at->parent() != nullptr; at = at->parent()) {
    rect.left += at->bounds().left;
    rect.top += at->bounds().top;
  }
  return rect;
}

void paint_form(Form& form, FormPainter& painter) {
  painter.set_origin({0, 0});
  painter.fill_solid(form.client_rect(), backend::system_color(backend::SystemColor::face));
  for (Control* child : form.children()) paint_control(*child, painter);
}

Control* control_at(Form& form, Point point) {
  Control* found = nullptr;
  Control* level = &form;
  while (level != nullptr) {
    Control* inner = nullptr;
    for (Control* child : level->children()) {
      if (child->visible() && rect_on_form(*child).contains(point)) inner = child;
    }
    if (inner != nullptr) found = inner;
    level = inner;
  }
  return found;
}

}  // namespace toolkit
