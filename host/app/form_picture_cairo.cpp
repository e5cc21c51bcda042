// A form's picture: its display list drawn with Cairo inside a window frame that looks like a
// Windows 10 tool window or dialog, in an 8-point sans-serif like the panels' Tahoma.
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>

#include "app/picture.h"

namespace host {
namespace {

using Surface = std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)>;
using Context = std::unique_ptr<cairo_t, decltype(&cairo_destroy)>;

constexpr double font_size = 11;

double channel(unsigned long argb, int shift) { return static_cast<double>((argb >> shift) & 0xFF) / 255.0; }

void set_argb(cairo_t* cr, unsigned long argb) {
  cairo_set_source_rgba(cr, channel(argb, 16), channel(argb, 8), channel(argb, 0), channel(argb, 24));
}

void set_rgb(cairo_t* cr, int r, int g, int b) { cairo_set_source_rgb(cr, r / 255.0, g / 255.0, b / 255.0); }

void fill_rect(cairo_t* cr, double x, double y, double w, double h) {
  cairo_rectangle(cr, x, y, w, h);
  cairo_fill(cr);
}

// A one-pixel line along the inside of the rectangle, crisp on the pixel grid.
void stroke_rect(cairo_t* cr, double x, double y, double w, double h, double width = 1) {
  cairo_set_line_width(cr, width);
  cairo_rectangle(cr, x + 0.5, y + 0.5, w - 1, h - 1);
  cairo_stroke(cr);
}

void draw_text(cairo_t* cr, double x, double y, const std::string& text) {
  cairo_font_extents_t extents;
  cairo_font_extents(cr, &extents);
  cairo_move_to(cr, x, y + extents.ascent);
  cairo_show_text(cr, text.c_str());
}

void draw_hatch(cairo_t* cr, double x, double y, double w, double h, unsigned long foreground,
                unsigned long background) {
  cairo_save(cr);
  cairo_rectangle(cr, x, y, w, h);
  cairo_clip(cr);
  set_argb(cr, background);
  cairo_paint(cr);
  set_argb(cr, foreground);
  cairo_set_line_width(cr, 1);
  // Lines both ways every 8 pixels, as the diagonal-cross hatch brush repeats.
  for (double offset = -h; offset < w + h; offset += 8) {
    cairo_move_to(cr, x + offset, y);
    cairo_line_to(cr, x + offset + h, y + h);
    cairo_move_to(cr, x + offset + h, y);
    cairo_line_to(cr, x + offset, y + h);
  }
  cairo_stroke(cr);
  cairo_restore(cr);
}

void draw_check_box(cairo_t* cr, double x, double y, double h, bool checked, const std::string& caption) {
  const double box_y = y + std::floor((h - 13) / 2);
  set_rgb(cr, 255, 255, 255);
  fill_rect(cr, x, box_y, 13, 13);
  set_rgb(cr, 51, 51, 51);
  stroke_rect(cr, x, box_y, 13, 13);
  if (checked) {
    cairo_set_line_width(cr, 1.6);
    cairo_move_to(cr, x + 3, box_y + 6.5);
    cairo_line_to(cr, x + 5.5, box_y + 9.5);
    cairo_line_to(cr, x + 10, box_y + 3.5);
    cairo_stroke(cr);
  }
  set_rgb(cr, 0, 0, 0);
  draw_text(cr, x + 17, y, caption);
}

void draw_open_symbol(cairo_t* cr, double x, double y) {
  set_rgb(cr, 231, 183, 72);
  fill_rect(cr, x + 1, y + 3, 6, 2);
  fill_rect(cr, x + 1, y + 4, 13, 9);
  set_rgb(cr, 246, 210, 120);
  cairo_move_to(cr, x + 3, y + 7);
  cairo_line_to(cr, x + 16, y + 7);
  cairo_line_to(cr, x + 13, y + 13);
  cairo_line_to(cr, x + 1, y + 13);
  cairo_close_path(cr);
  cairo_fill(cr);
  set_rgb(cr, 160, 112, 20);
  stroke_rect(cr, x + 1, y + 4, 13, 9);
}

void draw_save_symbol(cairo_t* cr, double x, double y) {
  set_rgb(cr, 52, 101, 164);
  fill_rect(cr, x + 2, y + 2, 12, 12);
  set_rgb(cr, 255, 255, 255);
  fill_rect(cr, x + 4, y + 3, 8, 4);
  set_rgb(cr, 200, 210, 225);
  fill_rect(cr, x + 5, y + 9, 6, 5);
  set_rgb(cr, 32, 64, 110);
  stroke_rect(cr, x + 2, y + 2, 12, 12);
}

void draw_button(cairo_t* cr, double x, double y, double w, double h, bool enabled, const std::string& image,
                 const std::string& caption) {
  set_rgb(cr, 225, 225, 225);
  fill_rect(cr, x, y, w, h);
  set_rgb(cr, 173, 173, 173);
  stroke_rect(cr, x, y, w, h);
  cairo_text_extents_t extents{};
  if (!caption.empty()) cairo_text_extents(cr, caption.c_str(), &extents);
  // An image with a caption stands before it, the two centred together, as Windows draws them.
  constexpr double image_size = 16;
  constexpr double image_gap = 4;
  const bool has_image = image == "open" || image == "save";
  const double together =
      (has_image ? image_size : 0) + (has_image && !caption.empty() ? image_gap : 0) + extents.x_advance;
  const double start = x + std::floor((w - together) / 2);
  if (has_image) {
    const double image_y = y + std::floor((h - image_size) / 2);
    image == "open" ? draw_open_symbol(cr, start, image_y) : draw_save_symbol(cr, start, image_y);
  }
  if (!caption.empty()) {
    enabled ? set_rgb(cr, 0, 0, 0) : set_rgb(cr, 160, 160, 160);
    draw_text(cr, has_image ? start + image_size + image_gap : start, y + std::floor((h - font_size - 2) / 2),
              caption);
  }
}

// The window around the client area: a title bar with the caption and a close box.
void draw_frame(cairo_t* cr, int width, int height, int border, int title, const std::string& caption,
                int& client_x, int& client_y) {
  client_x = border;
  client_y = title;
  set_rgb(cr, 255, 255, 255);
  cairo_paint(cr);
  set_rgb(cr, 0, 0, 0);
  draw_text(cr, border + 4, std::floor((title - font_size) / 2) - 1, caption);
  // The close box's cross.
  const double cx = width - border - 14;
  const double cy = title / 2.0;
  cairo_set_line_width(cr, 1);
  cairo_move_to(cr, cx - 4.5, cy - 4.5);
  cairo_line_to(cr, cx + 4.5, cy + 4.5);
  cairo_move_to(cr, cx + 4.5, cy - 4.5);
  cairo_line_to(cr, cx - 4.5, cy + 4.5);
  cairo_stroke(cr);
  set_rgb(cr, 130, 135, 144);
  stroke_rect(cr, 0, 0, width, height);
}

// A vertical scroll bar as Windows 10 draws it: a light track, arrows at both ends, a grey thumb.
void draw_scroll_bar(cairo_t* cr, double x, double y, double w, double h, int first, int shown, int total) {
  set_rgb(cr, 240, 240, 240);
  fill_rect(cr, x, y, w, h);
  const double arrow = std::min(w, h / 2);
  set_rgb(cr, 96, 96, 96);
  const double cx = x + w / 2;
  cairo_move_to(cr, cx - 4, y + arrow / 2 + 2);
  cairo_line_to(cr, cx + 4, y + arrow / 2 + 2);
  cairo_line_to(cr, cx, y + arrow / 2 - 2);
  cairo_close_path(cr);
  cairo_move_to(cr, cx - 4, y + h - arrow / 2 - 2);
  cairo_line_to(cr, cx + 4, y + h - arrow / 2 - 2);
  cairo_line_to(cr, cx, y + h - arrow / 2 + 2);
  cairo_close_path(cr);
  cairo_fill(cr);
  const double track = h - 2 * arrow;
  if (total <= 0 || track <= 0) return;
  const double thumb_height = std::max(track * shown / total, 8.0);
  set_rgb(cr, 205, 205, 205);
  fill_rect(cr, x + 1, y + arrow + track * first / total, w - 2, std::min(thumb_height, track));
}

}  // namespace

void draw_form_picture(const ShownForm& form, const std::string& png_path) {
  std::istringstream lines(form.display_list);
  std::string line;
  if (!std::getline(lines, line) || !line.starts_with("form "))
    throw std::runtime_error("not a form's picture");
  std::istringstream header(line.substr(5));
  int client_width = 0;
  int client_height = 0;
  std::string style;
  int frame_width = 0;
  int frame_height = 0;
  header >> client_width >> client_height >> style >> frame_width >> frame_height;
  std::string caption;
  std::getline(header >> std::ws, caption);
  const int width = client_width + frame_width;
  const int height = client_height + frame_height;
  const int border = frame_width / 2;

  const Surface surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height),
                        &cairo_surface_destroy);
  const Context context(cairo_create(surface.get()), &cairo_destroy);
  cairo_t* cr = context.get();
  cairo_select_font_face(cr, "Tahoma", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, font_size);
  int client_x = 0;
  int client_y = 0;
  draw_frame(cr, width, height, border, frame_height - border, caption, client_x, client_y);
  cairo_translate(cr, client_x, client_y);

  while (std::getline(lines, line)) {
    std::istringstream op(line);
    std::string kind;
    op >> kind;
    double x = 0, y = 0, w = 0, h = 0;
    if (kind == "unclip") {
      cairo_restore(cr);
      continue;
    }
    if (kind == "text") {
      unsigned long color = 0;
      op >> x >> y >> std::hex >> color;
      std::string text;
      std::getline(op.ignore(1), text);
      set_argb(cr, color);
      draw_text(cr, x, y, text);
      continue;
    }
    op >> x >> y >> w >> h;
    if (kind == "fill") {
      unsigned long color = 0;
      op >> std::hex >> color;
      set_argb(cr, color);
      fill_rect(cr, x, y, w, h);
    } else if (kind == "hatch") {
      unsigned long foreground = 0, background = 0;
      op >> std::hex >> foreground >> background;
      draw_hatch(cr, x, y, w, h, foreground, background);
    } else if (kind == "outline") {
      unsigned long color = 0;
      double line_width = 1;
      op >> std::hex >> color >> std::dec >> line_width;
      set_argb(cr, color);
      stroke_rect(cr, x, y, w, h, line_width);
    } else if (kind == "check") {
      int checked = 0;
      op >> checked;
      std::string text;
      std::getline(op.ignore(1), text);
      draw_check_box(cr, x, y, h, checked != 0, text);
    } else if (kind == "button") {
      int enabled = 1;
      std::string image;
      op >> enabled >> image;
      std::string text;
      std::getline(op.ignore(1), text);
      draw_button(cr, x, y, w, h, enabled != 0, image, text);
    } else if (kind == "edit") {
      std::string text;
      std::getline(op.ignore(1), text);
      set_rgb(cr, 255, 255, 255);
      fill_rect(cr, x, y, w, h);
      set_rgb(cr, 122, 122, 122);
      stroke_rect(cr, x, y, w, h);
      set_rgb(cr, 0, 0, 0);
      draw_text(cr, x + 3, y + std::floor((h - font_size) / 2) - 1, text);
    } else if (kind == "scrollbar") {
      int first = 0, shown = 0, total = 0;
      op >> first >> shown >> total;
      draw_scroll_bar(cr, x, y, w, h, first, shown, total);
    } else if (kind == "clip") {
      cairo_save(cr);
      cairo_rectangle(cr, x, y, w, h);
      cairo_clip(cr);
    }
  }
  cairo_surface_flush(surface.get());
  if (cairo_surface_write_to_png(surface.get(), png_path.c_str()) != CAIRO_STATUS_SUCCESS) {
    throw std::runtime_error("cannot write " + png_path);
  }
}

}  // namespace host
