// Property sets, read once per relation however many objects share them.
#include "model/ifc_properties.h"

#include <ifcpp/IFC4/include/IfcIdentifier.h>
#include <ifcpp/IFC4/include/IfcLabel.h>
#include <ifcpp/IFC4/include/IfcObjectDefinition.h>
#include <ifcpp/IFC4/include/IfcPropertySet.h>
#include <ifcpp/IFC4/include/IfcPropertySetDefinitionSet.h>
#include <ifcpp/IFC4/include/IfcPropertySingleValue.h>
#include <ifcpp/IFC4/include/IfcRelDefinesByProperties.h>

#include "model/ifc_property_value.h"
#include "model/ifc_text.h"

namespace host {
namespace {

void add_set_properties(const IfcPropertySet& set, std::vector<Property>& properties) {
  const std::u16string set_name = ifc_text(set.m_Name);
  for (const auto& any_property : set.m_HasProperties) {
    const auto* single = dynamic_cast<const IfcPropertySingleValue*>(any_property.get());
    if (single == nullptr || !single->m_NominalValue) continue;
    Property property;
    property.property_set = set_name;
    property.name = ifc_text(single->m_Name);
    if (read_property_value(*single->m_NominalValue, property)) properties.push_back(std::move(property));
  }
}

// IFC4 lets one relation assign a whole set of property sets.
std::vector<Property> assigned_properties(const IfcRelDefinesByProperties& relation) {
  std::vector<Property> properties;
  const IfcPropertySetDefinitionSelect* definition = relation.m_RelatingPropertyDefinition.get();
  if (const auto* set = dynamic_cast<const IfcPropertySet*>(definition)) {
    add_set_properties(*set, properties);
  } else if (const auto* sets = dynamic_cast<const IfcPropertySetDefinitionSet*>(definition)) {
    for (const auto& member : sets->m_vec) {
      if (const auto* member_set = dynamic_cast<const IfcPropertySet*>(member.get())) {
        add_set_properties(*member_set, properties);
      }
    }
  }
  return properties;
}

}  // namespace

PropertyTable ifc_properties(const BuildingModel& model) {
  PropertyTable table;
  for (const auto& [id, entity] : model.getMapIfcEntities()) {
    const auto* relation = dynamic_cast<const IfcRelDefinesByProperties*>(entity.get());
    if (relation == nullptr) continue;
    const std::vector<Property> properties = assigned_properties(*relation);
    if (properties.empty()) continue;
    for (const auto& object : relation->m_RelatedObjects) {
      if (!object) continue;
      std::vector<Property>& object_properties = table[object->m_entity_id];
      object_properties.insert(object_properties.end(), properties.begin(), properties.end());
    }
  }
  return table;
}

}  // namespace host
