// Products are converted one at a time and their meshes dropped at once, which keeps memory low
// (GeometryConverter::convertGeometry would hold the meshes of the whole model).
#include "model/ifc_bounds.h"

#include <algorithm>
#include <utility>

#include <ifcpp/geometry/Carve/GeometryConverter.h>
#include <ifcpp/model/UnitConverter.h>

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
  void add_meshes(const std::vector<shared_ptr<carve::mesh::MeshSet<3>>>& meshes,
                  const carve::math::Matrix& placement) {
    for (const auto& mesh : meshes) {
      for (const auto& vertex : mesh->vertex_storage) add(placement * vertex.v);
    }
  }
  const std::optional<Bounds>& bounds() const { return bounds_; }

 private:
  std::optional<Bounds> bounds_;
};

}  // namespace

ProductBounds::ProductBounds(shared_ptr<BuildingModel> model)
    : model_(std::move(model)), converter_(std::make_unique<GeometryConverter>(model_)) {
  // Colours and layers do not change a box.
  converter_->getGeomSettings()->setHandleStyledItems(false);
  converter_->getGeomSettings()->setHandleLayerAssignments(false);
  // carve's tolerance follows the length unit, as GeometryConverter::convertGeometry sets it.
  carve::setEpsilon(1.5e-05 * model_->getUnitConverter()->getLengthInMeterFactor());
}

ProductBounds::~ProductBounds() {
  // The converter made itself the target of the model's messages.
  model_->setMessageTarget(nullptr);
}

std::optional<Bounds> ProductBounds::of(const shared_ptr<IfcProduct>& product) {
  auto shape = std::make_shared<ProductShapeData>(product->m_entity_id);
  shape->m_ifc_object_definition = product;
  try {
    converter_->convertIfcProductShape(shape);
  } catch (...) {
    // IFC++ and carve throw types of their own besides std::exception; such a product has no box.
    return std::nullopt;
  }
  // The meshes are in the product's own coordinates; the placement chain puts them in the model's.
  const carve::math::Matrix placement = shape->getTransform();
  BoxBuilder surfaces;
  BoxBuilder lines;
  for (const auto& representation : shape->m_vec_representations) {
    for (const auto& item : representation->m_vec_item_data) {
      surfaces.add_meshes(item->m_meshsets, placement);
      surfaces.add_meshes(item->m_meshsets_open, placement);
      for (const auto& polyline : item->m_polylines) {
        for (const vec3& point : polyline->points) lines.add(placement * point);
      }
      for (const auto& points : item->getVertexPoints()) {
        for (const vec3& point : points->points) lines.add(placement * point);
      }
    }
  }
  return surfaces.bounds() ? surfaces.bounds() : lines.bounds();
}

}  // namespace host
