// The model's picture: every object a viewer shows by default, flat-shaded, from one of four view
// points, in the colour the viewer shows it in (a neutral colour by entity for default colours),
// with a legend of the visible panel's categories if asked. Objects of a generated model, which
// has no surfaces, are their boxes.
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

// The screen's right and up directions in the model, and the direction towards the viewer.
struct Camera {
  Point right;
  Point up;
  Point towards_viewer;
};

Camera camera(ViewPoint view) {
  constexpr double r2 = 0.70710678, r3 = 0.57735027, r6 = 0.40824829;
  switch (view) {
    case ViewPoint::top: return {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    case ViewPoint::front: return {{1, 0, 0}, {0, 0, 1}, {0, -1, 0}};
    case ViewPoint::side: return {{0, 1, 0}, {0, 0, 1}, {1, 0, 0}};
    case ViewPoint::iso: break;
  }
  return {{r2, -r2, 0}, {-r6, -r6, 2 * r6}, {r3, r3, r3}};
}

// The light comes from above, over the viewer's left shoulder in the isometric view.
constexpr Point light = {0.254, 0.466, 0.847};

// What a viewer does not draw unless asked: rooms and storeys as volumes, the holes cut into
// walls, grids and annotation.
bool hidden_by_default(std::string_view entity) {
  return entity == "IfcSpace" || entity == "IfcBuildingStorey" || entity.starts_with("IfcOpening") ||
         entity == "IfcAnnotation" || entity == "IfcGrid" || entity == "IfcVirtualElement";
}

// A model read from a file draws its surfaces: a product with only curves or points (a grid, an
// alignment) has a box of them but nothing a viewer fills. A generated model has no surfaces.
bool has_surfaces(const Model& model) {
  for (std::size_t index = 0; index < model.size(); ++index) {
    if (!model.find(Model::id_at(index))->surface.empty()) return true;
  }
  return false;
}

// A flat polygon of three or four corners, in the colour it is painted.
struct Facet {
  std::array<Point, 4> corners;
  std::size_t count = 3;
  double depth = 0;  // towards the viewer: nearer is larger
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

struct Color {
  double red = 0, green = 0, blue = 0, alpha = 1;
};

// The viewer keeps colours as RGBA words with red in the low byte.
Color from_rgba(std::uint32_t rgba) {
  return {(rgba & 0xFFu) / 255.0, (rgba >> 8 & 0xFFu) / 255.0, (rgba >> 16 & 0xFFu) / 255.0,
          (rgba >> 24) / 255.0};
}

// What the viewer shows an object in: the colour set on it, else the neutral one of its entity.
Color shown_color(const HostState& state, std::size_t index, const Object& object) {
  if (index < state.colors.size() && state.colors[index]) return from_rgba(*state.colors[index]);
  const std::uint32_t rgb = neutral_rgb(object.entity);
  return {(rgb >> 16) / 255.0, (rgb >> 8 & 0xFFu) / 255.0, (rgb & 0xFFu) / 255.0, 1};
}

class FacetList {
 public:
  explicit FacetList(const Camera& camera) : camera_(camera) {}

  void set_color(const Color& color) { color_ = color; }

  void add_triangle(const Triangle& triangle) {
    Facet facet;
    for (std::size_t corner = 0; corner < 3; ++corner) {
      const float* point = triangle.corners[corner];
      facet.corners[corner] = {point[0], point[1], point[2]};
    }
    add(facet);
  }

  // The six faces of a box; the far ones are painted over by the near ones.
  void add_box(const Bounds& box) {
    const double* lo = box.min;
    const double* hi = box.max;
    for (int axis = 0; axis < 3; ++axis) {
      const int a = (axis + 1) % 3, b = (axis + 2) % 3;
      for (const double level : {lo[axis], hi[axis]}) {
        Facet facet;
        facet.count = 4;
        const double corners[4][2] = {{lo[a], lo[b]}, {hi[a], lo[b]}, {hi[a], hi[b]}, {lo[a], hi[b]}};
        for (std::size_t corner = 0; corner < 4; ++corner) {
          facet.corners[corner][static_cast<std::size_t>(axis)] = level;
          facet.corners[corner][static_cast<std::size_t>(a)] = corners[corner][0];
          facet.corners[corner][static_cast<std::size_t>(b)] = corners[corner][1];
        }
        add(facet);
      }
    }
  }

  std::vector<Facet>& facets() { return facets_; }

 private:
  void add(Facet facet) {
    const Point normal =
        cross(difference(facet.corners[1], facet.corners[0]), difference(facet.corners[2], facet.corners[0]));
    const double area = std::sqrt(dot(normal, normal));
    if (area == 0 || !std::isfinite(area)) return;
    // A sliver, far thinner than long (where a tessellated wall meets the edge of an opening),
    // covers no pixel; its outline would draw a line across the face, in a shade from a normal
    // that its rounded corners make up.
    double longest = 0;
    for (std::size_t corner = 0; corner < facet.count; ++corner) {
      const Point edge = difference(facet.corners[(corner + 1) % facet.count], facet.corners[corner]);
      longest = std::max(longest, dot(edge, edge));
    }
    if (area < 1e-3 * longest) return;
    // A face seen from behind is lit as the side that faces the viewer.
    const double facing = dot(normal, camera_.towards_viewer) < 0 ? -1 / area : 1 / area;
    const double shade = 0.55 + 0.45 * std::max(0.0, facing * dot(normal, light));
    Point centre{};
    for (std::size_t corner = 0; corner < facet.count; ++corner) {
      for (std::size_t axis = 0; axis < 3; ++axis) {
        centre[axis] += facet.corners[corner][axis] / static_cast<double>(facet.count);
      }
    }
    facet.depth = dot(centre, camera_.towards_viewer);
    facet.red = color_.red * shade, facet.green = color_.green * shade, facet.blue = color_.blue * shade;
    facet.alpha = color_.alpha;
    facets_.push_back(facet);
  }

  Camera camera_;
  std::vector<Facet> facets_;
  Color color_;
};

struct Projection {
  Camera camera;
  double scale = 1;
  double offset_x = 0;
  double offset_y = 0;
  std::array<double, 2> map(const Point& point) const {
    return {offset_x + scale * dot(point, camera.right), offset_y - scale * dot(point, camera.up)};
  }
};

// Scales and centres the facets into the area from left to width with a margin.
Projection fitted(const std::vector<Facet>& facets, const Camera& camera, double left, int width,
                  int height) {
  double min_u = std::numeric_limits<double>::max(), max_u = -min_u, min_v = min_u, max_v = -min_u;
  const Projection unit{camera};
  for (const Facet& facet : facets) {
    for (std::size_t corner = 0; corner < facet.count; ++corner) {
      const auto [u, v] = unit.map(facet.corners[corner]);
      min_u = std::min(min_u, u), max_u = std::max(max_u, u);
      min_v = std::min(min_v, v), max_v = std::max(max_v, v);
    }
  }
  Projection projection{camera};
  if (facets.empty()) return projection;
  const double room = width - left;
  projection.scale =
      0.92 * std::min(room / std::max(max_u - min_u, 1e-9), height / std::max(max_v - min_v, 1e-9));
  projection.offset_x = left + (room - projection.scale * (max_u + min_u)) / 2;
  projection.offset_y = (height - projection.scale * (max_v + min_v)) / 2;
  return projection;
}

// The legend's box in the picture's top left corner: the model's file name, then a swatch, the
// name and the count of each category, as the panel lists them.
class LegendBox {
 public:
  LegendBox(cairo_t* cr, const Legend& legend) : cr_(cr), legend_(legend) {
    cairo_select_font_face(cr_, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr_, title_size);
    width_ = text_width(legend_.title);
    cairo_select_font_face(cr_, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr_, row_size);
    for (const LegendRow& row : legend_.rows) name_width_ = std::max(name_width_, text_width(row.name));
    for (const LegendRow& row : legend_.rows) count_width_ = std::max(count_width_, text_width(row.count));
    width_ = std::max(width_, swatch + gap + name_width_ + gap + count_width_) + 2 * padding;
    height_ = padding + line_height + static_cast<double>(legend_.rows.size()) * line_height + padding;
  }

  // What the model leaves free on the left.
  double right_edge() const { return margin + width_ + margin; }

  void draw() const {
    cairo_rectangle(cr_, margin, margin, width_, height_);
    cairo_set_source_rgba(cr_, 1, 1, 1, 0.92);
    cairo_fill_preserve(cr_);
    cairo_set_source_rgb(cr_, 0.75, 0.77, 0.8);
    cairo_set_line_width(cr_, 1);
    cairo_stroke(cr_);
    const double left = margin + padding;
    double baseline = margin + padding + title_size;
    cairo_select_font_face(cr_, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr_, title_size);
    cairo_set_source_rgb(cr_, 0.1, 0.1, 0.12);
    cairo_move_to(cr_, left, baseline);
    cairo_show_text(cr_, legend_.title.c_str());
    cairo_select_font_face(cr_, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr_, row_size);
    // With one category shown alone, the others' swatches are greyed and its row is marked.
    const bool one_alone =
        std::any_of(legend_.rows.begin(), legend_.rows.end(), [](const LegendRow& row) { return row.alone; });
    for (const LegendRow& row : legend_.rows) {
      baseline += line_height;
      draw_swatch(left, baseline - swatch + 2,
                  one_alone && !row.alone ? std::optional<std::uint32_t>(faded_grey) : row.rgba);
      if (row.alone) {
        cairo_set_source_rgb(cr_, 0.1, 0.1, 0.12);
        cairo_move_to(cr_, left - gap, baseline);
        cairo_show_text(cr_, "\u25BA");
      }
      cairo_set_source_rgb(cr_, 0.1, 0.1, 0.12);
      cairo_move_to(cr_, left + swatch + gap, baseline);
      cairo_show_text(cr_, row.name.c_str());
      cairo_move_to(cr_, left + swatch + gap + name_width_ + gap + count_width_ - text_width(row.count),
                    baseline);
      cairo_show_text(cr_, row.count.c_str());
    }
  }

 private:
  static constexpr double margin = 12, padding = 10, gap = 10, swatch = 14;
  // The plug-in's grey for the objects outside the category shown alone, as a viewer colour word.
  static constexpr std::uint32_t faded_grey = 0x40C8C8C8;
  static constexpr double title_size = 15, row_size = 13, line_height = 21;

  double text_width(const std::string& text) const {
    cairo_text_extents_t extents;
    cairo_text_extents(cr_, text.c_str(), &extents);
    return extents.x_advance;
  }

  // A category without a colour shows the model's own colours: an empty swatch, crossed.
  void draw_swatch(double x, double y, const std::optional<std::uint32_t>& rgba) const {
    cairo_rectangle(cr_, x + 0.5, y + 0.5, swatch - 1, swatch - 1);
    if (rgba) {
      const Color color = from_rgba(*rgba);
      cairo_set_source_rgba(cr_, color.red, color.green, color.blue, color.alpha);
      cairo_fill_preserve(cr_);
    } else {
      cairo_move_to(cr_, x + 0.5, y + 0.5);
      cairo_line_to(cr_, x + swatch - 0.5, y + swatch - 0.5);
      cairo_move_to(cr_, x + swatch - 0.5, y + 0.5);
      cairo_line_to(cr_, x + 0.5, y + swatch - 0.5);
    }
    cairo_set_source_rgb(cr_, 0.35, 0.37, 0.4);
    cairo_set_line_width(cr_, 1);
    cairo_stroke(cr_);
  }

  cairo_t* cr_;
  const Legend& legend_;
  double width_ = 0;
  double height_ = 0;
  double name_width_ = 0;
  double count_width_ = 0;
};

}  // namespace

void draw_model_picture(const HostState& state, const std::string& png_path, const ModelPicture& picture) {
  const int width = picture.width;
  const int height = picture.height;
  if (width < 16 || height < 16 || width > 16384 || height > 16384) {
    throw std::runtime_error("a picture is 16 to 16384 pixels wide and high");
  }
  const std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> surface(
      cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height), &cairo_surface_destroy);
  const std::unique_ptr<cairo_t, decltype(&cairo_destroy)> context(cairo_create(surface.get()),
                                                                   &cairo_destroy);
  cairo_t* cr = context.get();
  std::optional<LegendBox> legend;
  if (picture.legend) legend.emplace(cr, *picture.legend);

  const Camera view = camera(picture.view);
  // A model read from a file draws its surfaces: a product with only curves or points (a grid,
  // an alignment) has a box of them but nothing a viewer fills.
  const bool boxes = !has_surfaces(state.model);
  FacetList list(view);
  for (std::size_t index = 0; index < state.model.size(); ++index) {
    const Object& object = *state.model.find(Model::id_at(index));
    if (!object.has_representation || !object.bounds || hidden_by_default(object.entity)) continue;
    list.set_color(shown_color(state, index, object));
    if (boxes) {
      list.add_box(*object.bounds);
    } else {
      for (const Triangle& triangle : object.surface) list.add_triangle(triangle);
    }
  }
  std::vector<Facet>& facets = list.facets();
  const Projection projection = fitted(facets, view, legend ? legend->right_edge() : 0, width, height);
  // Painter's order: far facets first.
  std::sort(facets.begin(), facets.end(), [](const Facet& a, const Facet& b) { return a.depth < b.depth; });

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
  if (legend) legend->draw();
  cairo_surface_flush(surface.get());
  if (cairo_surface_write_to_png(surface.get(), png_path.c_str()) != CAIRO_STATUS_SUCCESS) {
    throw std::runtime_error("cannot write " + png_path);
  }
}

}  // namespace host
