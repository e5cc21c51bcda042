// The single-value properties that an IFC model's property sets give its objects.
#pragma once

#include <unordered_map>
#include <vector>

#include <ifcpp/model/BuildingModel.h>

#include "model/model.h"

namespace host {

// By the STEP entity id of the object they are assigned to.
using PropertyTable = std::unordered_map<int, std::vector<Property>>;

// Every IfcPropertySingleValue with a nominal value, of every IfcPropertySet that an
// IfcRelDefinesByProperties assigns, in the order of the file; then those of the object's type
// (IfcRelDefinesByType), which the object's own values override.
PropertyTable ifc_properties(const BuildingModel& model);

}  // namespace host
