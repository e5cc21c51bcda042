// The model's picture: every object with geometry, flat-shaded, seen from above at an isometric
// angle, in the colour the viewer shows it in (a neutral colour by entity for default colours).
// Objects of a generated model are their boxes.
#include <cairo.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <limits>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "app/picture.h"

namespace host {
namespace {

using Point = std::array<double, 3>;

// The viewer looks along -view, from above; the light comes from above, over its left shoulder.
constexpr Point view = {0.57735, 0.57735, 0.57735};
constexpr Point light = {0.254, 0.466, 0.847};

// A flat polygon of three or four corners, in the colour it is painted.
struct Facet {
  std::array<Point, 4> corners;
  std::size_t count = 3;
  double depth = 0;  // along view: nearer is larger
  double red = 0, green = 0, blue = 0, alpha = 1;
};

Point difference(const Point& a, const Point& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }

double dot(const Point& a, const Point& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

Point cross(const Point& a, const Point& b) {
  return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

// Muted colours that tell steel, plates, bolts and building parts apart, 0xRRGGBB.
std::uint32_t neutral_rgb(std::string_view entity) {
  if (entity == "IfcBeam" || entity == "IfcColumn" || entity == "IfcMember") return 0x8D99A8;
  if (entity == "IfcPlate") return 0xAEB7C2;
  if (entity == "IfcMechanicalFastener" || entity == "IfcFastener" || entity == "IfcDiscreteAccessory")
    return 0x60666E;
  if (entity.starts_with("IfcWall")) return 0xE2DCCF;
  if (entity == "IfcSlab" || entity == "IfcFooting") return 0xBDBDBD;
  if (entity == "IfcRoof" || entity == "IfcCovering") return 0xA3867A;
  if (entity == "IfcWindow") return 0xA9CCE3;
  if (entity == "IfcDoor") return 0xA98462;
  return 0xB4B4B4;
}

// An object shows its own colour, else that of the nearest enclosing object that has one (a part
// shows its assembly's colour); nothing when it is in default colours. The viewer keeps colours
// as RGBA with red in the low byte.
std::optional<std::uint32_t> shown_rgba(const HostState& state, ObjectId id) {
  for (int depth = 0; depth < 64; ++depth) {
    const std::size_t index = state.model.index_of(id);
    if (index >= state.model.size()) break;
    if (index < state.colors.size() && state.colors[index]) return state.colors[index];
    id = state.model.find(id)->parent;
  }
  return std::nullopt;
}

class FacetList {
 public:
  void set_colour(const HostState& state, ObjectId id, const Object& object) {
    if (const std::optional<std::uint32_t> rgba = shown_rgba(state, id)) {
      red_ = (*rgba & 0xFFu) / 255.0, green_ = (*rgba >> 8 & 0xFFu) / 255.0;
      blue_ = (*rgba >> 16 & 0xFFu) / 255.0, alpha_ = (*rgba >> 24) / 255.0;
    } else {
      const std::uint32_t rgb = neutral_rgb(object.entity);
      red_ = (rgb >> 16) / 255.0, green_ = (rgb >> 8 & 0xFFu) / 255.0, blue_ = (rgb & 0xFFu) / 255.0;
      alpha_ = 1;
    }
  }

  void add_triangle(const Triangle& triangle) {
    Facet facet;
    for (std::size_t corner = 0; corner < 3; ++corner) {
      const float* point = triangle.corners[corner];
      facet.corners[corner] = {point[0], point[1], point[2]};
    }
    add(facet);
  }

  // The three faces of a box the viewer can see: its top and the two sides facing it.
  void add_box(const Bounds& box) {
    const double* lo = box.min;
    const double* hi = box.max;
    add({{{{lo[0], lo[1], hi[2]}, {hi[0], lo[1], hi[2]}, {hi[0], hi[1], hi[2]}, {lo[0], hi[1], hi[2]}}}, 4});
    add({{{{hi[0], lo[1], lo[2]}, {hi[0], hi[1], lo[2]}, {hi[0], hi[1], hi[2]}, {hi[0], lo[1], hi[2]}}}, 4});
    add({{{{lo[0], hi[1], lo[2]}, {hi[0], hi[1], lo[2]}, {hi[0], hi[1], hi[2]}, {lo[0], hi[1], hi[2]}}}, 4});
  }

  std::vector<Facet>& facets() { return facets_; }

 private:
  void add(Facet facet) {
    Point normal =
        cross(difference(facet.corners[1], facet.corners[0]), difference(facet.corners[2], facet.corners[0]));
    const double length = std::sqrt(dot(normal, normal));
    if (length == 0 || !std::isfinite(length)) return;
    // A face seen from behind is lit as the side that faces the viewer.
    const double facing = dot(normal, view) < 0 ? -1 / length : 1 / length;
    const double shade = 0.55 + 0.45 * std::max(0.0, facing * dot(normal, light));
    Point centre{};
    for (std::size_t corner = 0; corner < facet.count; ++corner) {
      for (std::size_t axis = 0; axis < 3; ++axis) {
        centre[axis] += facet.corners[corner][axis] / static_cast<double>(facet.count);
      }
    }
    facet.depth = dot(centre, view);
    facet.red = red_ * shade, facet.green = green_ * shade, facet.blue = blue_ * shade, facet.alpha = alpha_;
    facets_.push_back(facet);
  }

  std::vector<Facet> facets_;
  double red_ = 0, green_ = 0, blue_ = 0, alpha_ = 1;
};

struct Projection {
  double scale = 1;
  double offset_x = 0;
  double offset_y = 0;
  std::array<double, 2> map(const Point& point) const {
    return {offset_x + scale * (point[0] - point[1]) * 0.8660254,
            offset_y + scale * ((point[0] + point[1]) * 0.5 - point[2])};
  }
};

// Scales and centres the facets into the picture with a margin.
Projection fitted(const std::vector<Facet>& facets, int width, int height) {
  double min_u = std::numeric_limits<double>::max(), max_u = -min_u, min_v = min_u, max_v = -min_u;
  const Projection unit;
  for (const Facet& facet : facets) {
    for (std::size_t corner = 0; corner < facet.count; ++corner) {
      const auto [u, v] = unit.map(facet.corners[corner]);
      min_u = std::min(min_u, u), max_u = std::max(max_u, u);
      min_v = std::min(min_v, v), max_v = std::max(max_v, v);
    }
  }
  Projection projection;
  if (facets.empty()) return projection;
  projection.scale =
      0.92 * std::min(width / std::max(max_u - min_u, 1e-9), height / std::max(max_v - min_v, 1e-9));
  projection.offset_x = (width - projection.scale * (max_u + min_u)) / 2;
  projection.offset_y = (height - projection.scale * (max_v + min_v)) / 2;
  return projection;
}

}  // namespace

void draw_model_picture(const HostState& state, const std::string& png_path, int width, int height) {
  if (width < 16 || height < 16 || width > 16384 || height > 16384) {
    throw std::runtime_error("a picture is 16 to 16384 pixels wide and high");
  }
  FacetList list;
  for (std::size_t index = 0; index < state.model.size(); ++index) {
    const ObjectId id = Model::id_at(index);
    const Object& object = *state.model.find(id);
    if (!object.has_representation || !object.bounds) continue;
    list.set_colour(state, id, object);
    if (object.surface.empty()) {
      list.add_box(*object.bounds);
    } else {
      for (const Triangle& triangle : object.surface) list.add_triangle(triangle);
    }
  }
  std::vector<Facet>& facets = list.facets();
  const Projection projection = fitted(facets, width, height);
  // Painter's order: far facets first.
  std::sort(facets.begin(), facets.end(), [](const Facet& a, const Facet& b) { return a.depth < b.depth; });

  const std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> surface(
      cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height), &cairo_surface_destroy);
  const std::unique_ptr<cairo_t, decltype(&cairo_destroy)> context(cairo_create(surface.get()),
                                                                   &cairo_destroy);
  cairo_t* cr = context.get();
  cairo_set_source_rgb(cr, 0.96, 0.97, 0.98);
  cairo_paint(cr);
  cairo_set_line_width(cr, 0.6);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  for (const Facet& facet : facets) {
    for (std::size_t corner = 0; corner < facet.count; ++corner) {
      const auto [u, v] = projection.map(facet.corners[corner]);
      corner == 0 ? cairo_move_to(cr, u, v) : cairo_line_to(cr, u, v);
    }
    cairo_close_path(cr);
    cairo_set_source_rgba(cr, facet.red, facet.green, facet.blue, facet.alpha);
    // A thin stroke in the same colour closes the hairline seams between neighbouring triangles;
    // a see-through facet would show it twice.
    if (facet.alpha == 1) {
      cairo_fill_preserve(cr);
      cairo_stroke(cr);
    } else {
      cairo_fill(cr);
    }
  }
  cairo_surface_flush(surface.get());
  if (cairo_surface_write_to_png(surface.get(), png_path.c_str()) != CAIRO_STATUS_SUCCESS) {
    throw std::runtime_error("cannot write " + png_path);
  }
}

}  // namespace host
