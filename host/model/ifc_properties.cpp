// Property sets, read once per relation however many objects share them.
#include "model/ifc_properties.h"

#include <optional>

#include <ifcpp/IFC4/include/IfcAreaMeasure.h>
#include <ifcpp/IFC4/include/IfcCountMeasure.h>
#include <ifcpp/IFC4/include/IfcElementQuantity.h>
#include <ifcpp/IFC4/include/IfcIdentifier.h>
#include <ifcpp/IFC4/include/IfcLabel.h>
#include <ifcpp/IFC4/include/IfcLengthMeasure.h>
#include <ifcpp/IFC4/include/IfcMassMeasure.h>
#include <ifcpp/IFC4/include/IfcObject.h>
#include <ifcpp/IFC4/include/IfcObjectDefinition.h>
#include <ifcpp/IFC4/include/IfcPropertySet.h>
#include <ifcpp/IFC4/include/IfcPropertySetDefinitionSet.h>
#include <ifcpp/IFC4/include/IfcPropertySingleValue.h>
#include <ifcpp/IFC4/include/IfcQuantityArea.h>
#include <ifcpp/IFC4/include/IfcQuantityCount.h>
#include <ifcpp/IFC4/include/IfcQuantityLength.h>
#include <ifcpp/IFC4/include/IfcQuantityTime.h>
#include <ifcpp/IFC4/include/IfcQuantityVolume.h>
#include <ifcpp/IFC4/include/IfcQuantityWeight.h>
#include <ifcpp/IFC4/include/IfcRelDefinesByProperties.h>
#include <ifcpp/IFC4/include/IfcRelDefinesByType.h>
#include <ifcpp/IFC4/include/IfcTimeMeasure.h>
#include <ifcpp/IFC4/include/IfcTypeObject.h>
#include <ifcpp/IFC4/include/IfcVolumeMeasure.h>

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

// The value of a simple quantity (weight, length, area, volume, count, time), as a viewer offers
// quantity sets beside property sets.
std::optional<double> quantity_value(const IfcPhysicalQuantity& quantity) {
  if (const auto* weight = dynamic_cast<const IfcQuantityWeight*>(&quantity))
    return weight->m_WeightValue ? std::optional(weight->m_WeightValue->m_value) : std::nullopt;
  if (const auto* length = dynamic_cast<const IfcQuantityLength*>(&quantity))
    return length->m_LengthValue ? std::optional(length->m_LengthValue->m_value) : std::nullopt;
  if (const auto* area = dynamic_cast<const IfcQuantityArea*>(&quantity))
    return area->m_AreaValue ? std::optional(area->m_AreaValue->m_value) : std::nullopt;
  if (const auto* volume = dynamic_cast<const IfcQuantityVolume*>(&quantity))
    return volume->m_VolumeValue ? std::optional(volume->m_VolumeValue->m_value) : std::nullopt;
  if (const auto* count = dynamic_cast<const IfcQuantityCount*>(&quantity))
    return count->m_CountValue ? std::optional(static_cast<double>(count->m_CountValue->m_value))
                               : std::nullopt;
  if (const auto* time = dynamic_cast<const IfcQuantityTime*>(&quantity))
    return time->m_TimeValue ? std::optional(time->m_TimeValue->m_value) : std::nullopt;
  return std::nullopt;
}

void add_quantities(const IfcElementQuantity& set, std::vector<Property>& properties) {
  const std::u16string set_name = ifc_text(set.m_Name);
  for (const auto& quantity : set.m_Quantities) {
    if (!quantity) continue;
    const std::optional<double> value = quantity_value(*quantity);
    if (!value) continue;
    Property property;
    property.property_set = set_name;
    property.name = ifc_text(quantity->m_Name);
    property.kind = PropertyKind::real;
    property.number = *value;
    properties.push_back(std::move(property));
  }
}

// IFC4 lets one relation assign a whole set of property sets.
std::vector<Property> assigned_properties(const IfcRelDefinesByProperties& relation) {
  std::vector<Property> properties;
  const IfcPropertySetDefinitionSelect* definition = relation.m_RelatingPropertyDefinition.get();
  if (const auto* set = dynamic_cast<const IfcPropertySet*>(definition)) {
    add_set_properties(*set, properties);
  } else if (const auto* quantities = dynamic_cast<const IfcElementQuantity*>(definition)) {
    add_quantities(*quantities, properties);
  } else if (const auto* sets = dynamic_cast<const IfcPropertySetDefinitionSet*>(definition)) {
    for (const auto& member : sets->m_vec) {
      if (const auto* member_set = dynamic_cast<const IfcPropertySet*>(member.get())) {
        add_set_properties(*member_set, properties);
      } else if (const auto* member_quantities = dynamic_cast<const IfcElementQuantity*>(member.get())) {
        add_quantities(*member_quantities, properties);
      }
    }
  }
  return properties;
}

// The property sets a type object carries, such as those of a beam's profile type.
std::vector<Property> type_properties(const IfcRelDefinesByType& relation) {
  std::vector<Property> properties;
  if (!relation.m_RelatingType) return properties;
  for (const auto& definition : relation.m_RelatingType->m_HasPropertySets) {
    if (const auto* set = dynamic_cast<const IfcPropertySet*>(definition.get()))
      add_set_properties(*set, properties);
  }
  return properties;
}

template <class Definition>
void assign(const std::vector<Property>& properties, const std::vector<shared_ptr<Definition>>& objects,
            PropertyTable& table) {
  if (properties.empty()) return;
  for (const auto& object : objects) {
    if (!object) continue;
    std::vector<Property>& object_properties = table[object->m_entity_id];
    object_properties.insert(object_properties.end(), properties.begin(), properties.end());
  }
}

}  // namespace

PropertyTable ifc_properties(const BuildingModel& model) {
  PropertyTable table;
  PropertyTable of_types;
  for (const auto& [id, entity] : model.getMapIfcEntities()) {
    if (const auto* relation = dynamic_cast<const IfcRelDefinesByProperties*>(entity.get())) {
      assign(assigned_properties(*relation), relation->m_RelatedObjects, table);
    } else if (const auto* typing = dynamic_cast<const IfcRelDefinesByType*>(entity.get())) {
      assign(type_properties(*typing), typing->m_RelatedObjects, of_types);
    }
  }
  // An object's own values come first: they override its type's.
  for (auto& [id, properties] : of_types) {
    std::vector<Property>& object_properties = table[id];
    object_properties.insert(object_properties.end(), properties.begin(), properties.end());
  }
  return table;
}

}  // namespace host
