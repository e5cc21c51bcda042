// The geometry of an IFC product as IFC++ tessellates it: its surface as triangles and its box.
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include <ifcpp/IFC4/include/IfcProduct.h>
#include <ifcpp/model/BuildingModel.h>

#include "model/model.h"

class GeometryConverter;

namespace host {

struct ProductShape {
  // Axis-aligned, in metres in the model's coordinates: of the product's surfaces, or of its
  // curves and points when it has no surface. Nothing when IFC++ makes no geometry of it.
  std::optional<Bounds> bounds;
  std::vector<Triangle> surface;
};

class ProductShapes {
 public:
  explicit ProductShapes(shared_ptr<BuildingModel> model);
  ~ProductShapes();
  ProductShapes(const ProductShapes&) = delete;
  ProductShapes& operator=(const ProductShapes&) = delete;

  ProductShape of(const shared_ptr<IfcProduct>& product);

 private:
  shared_ptr<BuildingModel> model_;
  std::unique_ptr<GeometryConverter> converter_;
};

}  // namespace host
