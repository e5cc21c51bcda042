// The viewer's object tree over an IFC model: which objects it shows and under which parent.
#pragma once

#include <cstddef>
#include <vector>

#include <ifcpp/IFC4/include/IfcObjectDefinition.h>
#include <ifcpp/model/BuildingModel.h>

namespace host {

inline constexpr std::size_t tree_root = static_cast<std::size_t>(-1);

struct TreeEntry {
  shared_ptr<IfcObjectDefinition> object;  // the project or a product
  std::size_t parent = tree_root;          // the position of the parent's entry
};

// The project and every product but openings exactly once, each after its parent, siblings in the
// order of the relations that place them. An object's parent is the object that aggregates it,
// else the spatial element that contains it; objects in neither relation, and any caught in a
// cycle of them, are top-level.
std::vector<TreeEntry> ifc_object_tree(const BuildingModel& model);

}  // namespace host
