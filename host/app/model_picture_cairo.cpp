// The model's picture: every object with geometry as its bounding box, seen from above at an
// isometric angle, in the colour the viewer shows it in (a neutral grey for default colours).
#include <cairo.h>

#include <algorithm>
#include <limits>
#include <memory>
#include <stdexcept>
#include <vector>

#include "app/picture.h"

namespace host {
namespace {

constexpr int picture_width = 1024;
constexpr int picture_height = 768;
constexpr std::uint32_t default_rgba = 0xFFB4B4B4;  // red in the low byte, as the viewer keeps colours

struct Box {
  Bounds bounds;
  std::uint32_t rgba;
};

struct Projection {
  double scale = 1;
  double offset_x = 0;
  double offset_y = 0;
  void map(double x, double y, double z, double& u, double& v) const {
    u = offset_x + scale * (x - y) * 0.8660254;
    v = offset_y + scale * ((x + y) * 0.5 - z);
  }
};

void face(cairo_t* cr, const Projection& p, const double corners[4][3], double r, double g, double b,
          double a) {
  double u = 0, v = 0;
  p.map(corners[0][0], corners[0][1], corners[0][2], u, v);
  cairo_move_to(cr, u, v);
  for (int i = 1; i < 4; ++i) {
    p.map(corners[i][0], corners[i][1], corners[i][2], u, v);
    cairo_line_to(cr, u, v);
  }
  cairo_close_path(cr);
  cairo_set_source_rgba(cr, r, g, b, a);
  cairo_fill_preserve(cr);
  cairo_set_source_rgba(cr, 0.2, 0.2, 0.2, 0.6 * a);
  cairo_set_line_width(cr, 0.5);
  cairo_stroke(cr);
}

// An object shows its own colour, else that of the nearest enclosing object that has one (a part
// shows its assembly's colour), else the default.
std::uint32_t shown_rgba(const HostState& state, ObjectId id) {
  for (int depth = 0; depth < 64; ++depth) {
    const std::size_t index = state.model.index_of(id);
    if (index >= state.model.size()) break;
    if (index < state.colors.size() && state.colors[index]) return *state.colors[index];
    id = state.model.find(id)->parent;
  }
  return default_rgba;
}

}  // namespace

void draw_model_picture(const HostState& state, const std::string& png_path) {
  std::vector<Box> boxes;
  for (std::size_t i = 0; i < state.model.size(); ++i) {
    const Object& object = *state.model.find(Model::id_at(i));
    if (!object.has_representation || !object.bounds) continue;
    boxes.push_back({*object.bounds, shown_rgba(state, Model::id_at(i))});
  }
  // Fit the projected boxes into the picture.
  double min_u = std::numeric_limits<double>::max(), max_u = -min_u, min_v = min_u, max_v = -min_u;
  const Projection unit;
  for (const Box& box : boxes) {
    for (int corner = 0; corner < 8; ++corner) {
      double u = 0, v = 0;
      unit.map(corner & 1 ? box.bounds.max[0] : box.bounds.min[0],
               corner & 2 ? box.bounds.max[1] : box.bounds.min[1],
               corner & 4 ? box.bounds.max[2] : box.bounds.min[2], u, v);
      min_u = std::min(min_u, u), max_u = std::max(max_u, u), min_v = std::min(min_v, v),
      max_v = std::max(max_v, v);
    }
  }
  Projection projection;
  if (!boxes.empty()) {
    projection.scale = 0.9 * std::min(picture_width / std::max(max_u - min_u, 1e-9),
                                      picture_height / std::max(max_v - min_v, 1e-9));
    projection.offset_x = (picture_width - projection.scale * (max_u + min_u)) / 2;
    projection.offset_y = (picture_height - projection.scale * (max_v + min_v)) / 2;
  }
  // Far boxes first: the viewer looks along falling x + y, from above.
  std::sort(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) {
    const double da = a.bounds.max[0] + a.bounds.max[1] + a.bounds.max[2];
    const double db = b.bounds.max[0] + b.bounds.max[1] + b.bounds.max[2];
    return da < db;
  });

  const std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> surface(
      cairo_image_surface_create(CAIRO_FORMAT_ARGB32, picture_width, picture_height), &cairo_surface_destroy);
  const std::unique_ptr<cairo_t, decltype(&cairo_destroy)> context(cairo_create(surface.get()),
                                                                   &cairo_destroy);
  cairo_t* cr = context.get();
  cairo_set_source_rgb(cr, 0.96, 0.97, 0.98);
  cairo_paint(cr);
  for (const Box& box : boxes) {
    const auto channel = [&box](int shift) {
      return static_cast<double>((box.rgba >> shift) & 0xFFu) / 255.0;
    };
    const double r = channel(0), g = channel(8), b = channel(16), a = channel(24);
    const double* lo = box.bounds.min;
    const double* hi = box.bounds.max;
    const double top[4][3] = {
        {lo[0], lo[1], hi[2]}, {hi[0], lo[1], hi[2]}, {hi[0], hi[1], hi[2]}, {lo[0], hi[1], hi[2]}};
    const double side_x[4][3] = {
        {hi[0], lo[1], lo[2]}, {hi[0], hi[1], lo[2]}, {hi[0], hi[1], hi[2]}, {hi[0], lo[1], hi[2]}};
    const double side_y[4][3] = {
        {lo[0], hi[1], lo[2]}, {hi[0], hi[1], lo[2]}, {hi[0], hi[1], hi[2]}, {lo[0], hi[1], hi[2]}};
    face(cr, projection, side_x, r * 0.8, g * 0.8, b * 0.8, a);
    face(cr, projection, side_y, r * 0.65, g * 0.65, b * 0.65, a);
    face(cr, projection, top, r, g, b, a);
  }
  cairo_surface_flush(surface.get());
  if (cairo_surface_write_to_png(surface.get(), png_path.c_str()) != CAIRO_STATUS_SUCCESS) {
    throw std::runtime_error("cannot write " + png_path);
  }
}

}  // namespace host
