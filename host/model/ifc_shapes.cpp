// Products are converted one at a time and their meshes dropped at once, which keeps memory low
// (GeometryConverter::convertGeometry would hold the meshes of the whole model).
#include "model/ifc_shapes.h"

#include <algorithm>
#include <utility>

#include <ifcpp/geometry/Carve/GeometryConverter.h>
#include <ifcpp/model/UnitConverter.h>
#include <carve/triangulator.hpp>

namespace host {
namespace {

class BoxBuilder {
 public:
  void add(const vec3& point) {
    if (!bounds_) {
      bounds_ = Bounds{{point.x, point.y, point.z}, {point.x, point.y, point.z}};
      return;
    }
    const double coordinates[3] = {point.x, point.y, point.z};
    for (int axis = 0; axis < 3; ++axis) {
      bounds_->min[axis] = std::min(bounds_->min[axis], coordinates[axis]);
      bounds_->max[axis] = std::max(bounds_->max[axis], coordinates[axis]);
    }
  }
  const std::optional<Bounds>& bounds() const { return bounds_; }

 private:
  std::optional<Bounds> bounds_;
};

using Mesh = carve::mesh::Mesh<3>;
using Face = carve::mesh::Face<3>;

// A face may be any simple polygon (the end of an I-profile is not convex), so it is triangulated
// in its own plane.
void add_face(const Face& face, const carve::math::Matrix& placement, std::vector<Triangle>& surface) {
  std::vector<const vec3*> corners;
  const carve::mesh::Edge<3>* edge = face.edge;
  do {
    corners.push_back(&edge->vert->v);
    edge = edge->next;
  } while (edge != face.edge);
  if (corners.size() < 3) return;

  std::vector<carve::triangulate::tri_idx> triangles;
  if (corners.size() == 3) {
    triangles.emplace_back(0, 1, 2);
  } else {
    std::vector<carve::geom2d::P2> projected;
    face.getProjectedVertices(projected);
    try {
      carve::triangulate::triangulate(projected, triangles);
    } catch (...) {
      return;  // a degenerate face: nothing to draw
    }
  }
  for (const carve::triangulate::tri_idx& indices : triangles) {
    Triangle triangle{};
    const unsigned corner_indices[3] = {indices.a, indices.b, indices.c};
    for (int corner = 0; corner < 3; ++corner) {
      const vec3 point = placement * *corners[corner_indices[corner]];
      triangle.corners[corner][0] = static_cast<float>(point.x);
      triangle.corners[corner][1] = static_cast<float>(point.y);
      triangle.corners[corner][2] = static_cast<float>(point.z);
    }
    surface.push_back(triangle);
  }
}

class ShapeBuilder {
 public:
  explicit ShapeBuilder(const carve::math::Matrix& placement) : placement_(placement) {}

  void add_meshes(const std::vector<shared_ptr<carve::mesh::MeshSet<3>>>& meshes) {
    for (const auto& mesh_set : meshes) {
      for (const auto& vertex : mesh_set->vertex_storage) surfaces_.add(placement_ * vertex.v);
      for (const Mesh* mesh : mesh_set->meshes) {
        for (const Face* face : mesh->faces) add_face(*face, placement_, shape_.surface);
      }
    }
  }
  void add_points(const std::vector<vec3>& points) {
    for (const vec3& point : points) lines_.add(placement_ * point);
  }
  ProductShape take() {
    shape_.bounds = surfaces_.bounds() ? surfaces_.bounds() : lines_.bounds();
    return std::move(shape_);
  }

 private:
  carve::math::Matrix placement_;
  BoxBuilder surfaces_;
  BoxBuilder lines_;
  ProductShape shape_;
};

}  // namespace

ProductShapes::ProductShapes(shared_ptr<BuildingModel> model)
    : model_(std::move(model)), converter_(std::make_unique<GeometryConverter>(model_)) {
  // Colours and layers do not change a shape.
  converter_->getGeomSettings()->setHandleStyledItems(false);
  converter_->getGeomSettings()->setHandleLayerAssignments(false);
  // carve's tolerance follows the length unit, as GeometryConverter::convertGeometry sets it.
  carve::setEpsilon(1.5e-05 * model_->getUnitConverter()->getLengthInMeterFactor());
}

ProductShapes::~ProductShapes() {
  // The converter made itself the target of the model's messages.
  model_->setMessageTarget(nullptr);
}

ProductShape ProductShapes::of(const shared_ptr<IfcProduct>& product) {
  auto shape = std::make_shared<ProductShapeData>(product->m_entity_id);
  shape->m_ifc_object_definition = product;
  try {
    converter_->convertIfcProductShape(shape);
  } catch (...) {
    // IFC++ and carve throw types of their own besides std::exception; such a product has no shape.
    return {};
  }
  // The meshes are in the product's own coordinates; the placement chain puts them in the model's.
  ShapeBuilder builder(shape->getTransform());
  for (const auto& representation : shape->m_vec_representations) {
    for (const auto& item : representation->m_vec_item_data) {
      builder.add_meshes(item->m_meshsets);
      builder.add_meshes(item->m_meshsets_open);
      for (const auto& polyline : item->m_polylines) builder.add_points(polyline->points);
      for (const auto& points : item->getVertexPoints()) builder.add_points(points->points);
    }
  }
  return builder.take();
}

}  // namespace host
