// A form painted into a display list, one operation a line, for the desktop to draw.
#include "toolkit/desktop/display_list.h"

#include "interface/color_text.h"
#include "platform/utf8.h"
#include "toolkit/backend.h"
#include "toolkit/form.h"
#include "toolkit/form_painter.h"

namespace toolkit::desktop {
namespace {

using ::desktop::color_text;

class DisplayListPainter : public FormPainter {
 public:
  explicit DisplayListPainter(std::string& out) : out_(out) {}

  void set_origin(Point origin) override { origin_ = origin; }
  void set_font_color(Argb color) override { font_color_ = color; }
  void text_out(int x, int y, std::u16string_view text) override {
    out_ += "text " + std::to_string(x + origin_.x) + ' ' + std::to_string(y + origin_.y) + ' ' +
            color_text(font_color_) + ' ' + platform::to_utf8(text) + '\n';
  }
  void fill_hatch(const Rect& rect, Argb foreground, Argb background) override {
    out_ += "hatch " + moved(rect) + ' ' + color_text(foreground) + ' ' + color_text(background) + '\n';
  }
  void fill_solid(const Rect& rect, Argb color) override {
    out_ += "fill " + moved(rect) + ' ' + color_text(color) + '\n';
  }
  void draw_outline(const Rect& rect, Argb color, float width) override {
    out_ += "outline " + moved(rect) + ' ' + color_text(color) + ' ' + std::to_string(width) + '\n';
  }
  void check_box(const Rect& rect, bool checked, std::u16string_view caption) override {
    out_ += "check " + moved(rect) + ' ' + (checked ? "1 " : "0 ") + platform::to_utf8(caption) + '\n';
  }
  void button(const Rect& rect, bool enabled, std::string_view image, std::u16string_view caption) override {
    out_ += "button " + moved(rect) + ' ' + (enabled ? "1 " : "0 ") +
            (image.empty() ? "-" : std::string(image)) + ' ' + platform::to_utf8(caption) + '\n';
  }
  void edit(const Rect& rect, std::u16string_view text) override {
    out_ += "edit " + moved(rect) + ' ' + platform::to_utf8(text) + '\n';
  }
  void scroll_bar(const Rect& rect, int first, int shown, int total) override {
    out_ += "scrollbar " + moved(rect) + ' ' + std::to_string(first) + ' ' + std::to_string(shown) + ' ' +
            std::to_string(total) + '\n';
  }
  void clip(const Rect& rect) override { out_ += "clip " + moved(rect) + '\n'; }
  void unclip() override { out_ += "unclip\n"; }

 private:
  std::string moved(const Rect& r) const {
    return std::to_string(r.left + origin_.x) + ' ' + std::to_string(r.top + origin_.y) + ' ' +
           std::to_string(r.width) + ' ' + std::to_string(r.height);
  }

  std::string& out_;
  Point origin_;
  Argb font_color_ = 0xFF000000;
};

}  // namespace

std::string paint_form(Form& form) {
  const Rect client = form.client_rect();
  std::string out = "form " + std::to_string(client.width) + ' ' + std::to_string(client.height) + ' ' +
                    (form.style() == FormStyle::tool_window ? "tool_window " : "dialog ") +
                    std::to_string(backend::frame_width(form)) + ' ' +
                    std::to_string(backend::frame_height(form)) + ' ' + platform::to_utf8(form.caption()) +
                    '\n';
  DisplayListPainter painter(out);
  toolkit::paint_form(form, painter);
  return out;
}

}  // namespace toolkit::desktop
