// Painting the headless forms into display lists: each control draws itself the way the win32
// backend's native control would look, and the grid runs its own draw handlers.
#include "toolkit/headless/display_list.h"

#include <cstdio>
#include <vector>

#include "platform/utf8.h"
#include "toolkit/draw_grid.h"
#include "toolkit/form.h"
#include "toolkit/widgets.h"

namespace toolkit::headless {
namespace {

std::string hex(Argb color) {
  char text[9];
  std::snprintf(text, sizeof text, "%08X", color);
  return text;
}

std::string rect_text(const Rect& r) {
  return std::to_string(r.left) + ' ' + std::to_string(r.top) + ' ' + std::to_string(r.width) + ' ' +
         std::to_string(r.height);
}

// A canvas that writes what is painted, moved by the control's place on the form.
class DisplayListCanvas : public Canvas {
 public:
  DisplayListCanvas(std::string& out, Point origin) : out_(out), origin_(origin) {}

  void set_font_color(Argb color) override { font_color_ = color; }
  void text_out(int x, int y, std::u16string_view text) override {
    out_ += "text " + std::to_string(x + origin_.x) + ' ' + std::to_string(y + origin_.y) + ' ' + hex(font_color_) +
            ' ' + platform::to_utf8(text) + '\n';
  }
  void fill_hatch(const Rect& rect, Argb foreground, Argb background) override {
    out_ += "hatch " + rect_text(moved(rect)) + ' ' + hex(foreground) + ' ' + hex(background) + '\n';
  }
  void fill_solid(const Rect& rect, Argb color) override { out_ += "fill " + rect_text(moved(rect)) + ' ' + hex(color) + '\n'; }
  void draw_outline(const Rect& rect, Argb color, float width) override {
    out_ += "outline " + rect_text(moved(rect)) + ' ' + hex(color) + ' ' + std::to_string(width) + '\n';
  }

 private:
  Rect moved(const Rect& rect) const { return {rect.left + origin_.x, rect.top + origin_.y, rect.width, rect.height}; }

  std::string& out_;
  Point origin_;
  Argb font_color_ = 0xFF000000;
};

void paint_control(Control& control, Point origin, std::string& out) {
  if (!control.visible()) return;
  const Rect& bounds = control.bounds();
  const Rect placed{origin.x + bounds.left, origin.y + bounds.top, bounds.width, bounds.height};
  if (auto* panel = dynamic_cast<Panel*>(&control)) {
    out += "fill " + rect_text(placed) + ' ' + hex(panel->color()) + '\n';
  } else if (auto* box = dynamic_cast<CheckBox*>(&control)) {
    out += "check " + rect_text(placed) + ' ' + (box->checked() ? "1 " : "0 ") + platform::to_utf8(box->caption()) + '\n';
  } else if (auto* button = dynamic_cast<Button*>(&control)) {
    const int index = button->image_index();
    const bool has_image = button->images != nullptr && index >= 0 &&
                           static_cast<std::size_t>(index) < button->images->names.size();
    out += "button " + rect_text(placed) + ' ' + (button->enabled() ? "1 " : "0 ") +
           (has_image ? button->images->names[static_cast<std::size_t>(index)] : std::string("-")) + ' ' +
           platform::to_utf8(button->caption()) + '\n';
  } else if (auto* edit = dynamic_cast<ComboBox*>(&control)) {
    out += "edit " + rect_text(placed) + ' ' + platform::to_utf8(edit->text()) + '\n';
  } else if (auto* grid = dynamic_cast<DrawGrid*>(&control)) {
    out += "clip " + rect_text(placed) + '\n';
    DisplayListCanvas canvas(out, {placed.left, placed.top});
    grid->paint(canvas);
    out += "outline " + rect_text(placed) + " FF828790 1\nunclip\n";
  }
  for (Control* child : control.children()) paint_control(*child, {placed.left, placed.top}, out);
}

}  // namespace

std::string paint_form(Form& form) {
  const Rect client = form.client_rect();
  std::string out = "form " + std::to_string(client.width) + ' ' + std::to_string(client.height) + ' ' +
                    (form.style() == FormStyle::tool_window ? "tool_window " : "dialog ") +
                    platform::to_utf8(form.caption()) + '\n';
  out += "fill 0 0 " + std::to_string(client.width) + ' ' + std::to_string(client.height) + " FFF0F0F0\n";
  for (Control* child : form.children()) paint_control(*child, {0, 0}, out);
  return out;
}

}  // namespace toolkit::headless
