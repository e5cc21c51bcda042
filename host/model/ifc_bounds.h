// The bounding box of an IFC product's geometry as IFC++ tessellates it.
#pragma once

#include <memory>
#include <optional>

#include <ifcpp/IFC4/include/IfcProduct.h>
#include <ifcpp/model/BuildingModel.h>

#include "model/model.h"

class GeometryConverter;

namespace host {

class ProductBounds {
 public:
  explicit ProductBounds(shared_ptr<BuildingModel> model);
  ~ProductBounds();
  ProductBounds(const ProductBounds&) = delete;
  ProductBounds& operator=(const ProductBounds&) = delete;

  // Axis-aligned, in metres in the model's coordinates: of the product's surfaces, or of its
  // curves and points when it has no surface. Nothing when IFC++ makes no geometry of it.
  std::optional<Bounds> of(const shared_ptr<IfcProduct>& product);

 private:
  shared_ptr<BuildingModel> model_;
  std::unique_ptr<GeometryConverter> converter_;
};

}  // namespace host
