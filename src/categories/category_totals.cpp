// The totals walk: each category's objects measured below, and the objects in no category found
// from the model's root through its spatial structure.
#include "categories/category_totals.h"

#include <algorithm>
#include <limits>
#include <string_view>

#include "plugin_base/host_api.h"
#include "plugin_base/host_queries.h"

namespace {

// Where the model's spatial structure is: the objects below these are what the model is made of.
bool is_spatial(const char* entity) {
  if (entity == nullptr) return false;
  constexpr std::string_view spatial[] = {"IfcProject",
                                          "IfcSite",
                                          "IfcBuilding",
                                          "IfcBuildingStorey",
                                          "IfcSpace",
                                          "IfcSpatialZone",
                                          "IfcExternalSpatialElement",
                                          "IfcFacility",
                                          "IfcFacilityPart",
                                          "IfcBridge",
                                          "IfcBridgePart",
                                          "IfcRoad",
                                          "IfcRoadPart",
                                          "IfcRailway",
                                          "IfcRailwayPart",
                                          "IfcMarineFacility",
                                          "IfcMarinePart"};
  const std::string_view name(entity);
  return std::find(std::begin(spatial), std::end(spatial), name) != std::end(spatial);
}

}  // namespace

void ObjectMeasure::add(viewer::ObjectId id, CategoryTotals& totals) {
  // Pre-order: each node after its parent, so that a walk backwards meets children first.
  nodes_.clear();
  nodes_.push_back({id, 0, own_weight(id), false});
  for (std::size_t at = 0; at < nodes_.size(); ++at) {
    read_children(host_, nodes_[at].id, children_);
    const bool weigh = nodes_[at].needs_weight();
    for (const viewer::ObjectId child : children_)
      nodes_.push_back({child, at, weigh ? own_weight(child) : std::nullopt, !weigh});
  }
  for (std::size_t at = nodes_.size(); at-- > 1;) {
    Node& parent = nodes_[nodes_[at].parent];
    if (!parent.needs_weight()) continue;
    if (const std::optional<double> weight = nodes_[at].weight()) {
      parent.below += *weight;
      parent.weighed_below = true;
    }
  }
  ++totals.objects;
  totals.parts += nodes_.size() - 1;
  if (const std::optional<double> weight = nodes_[0].weight())
    totals.kilograms = totals.kilograms.value_or(0.0) + *weight;
}

std::optional<double> ObjectMeasure::own_weight(viewer::ObjectId id) const {
  for (const WeightProperty& weight : weights_) {
    viewer::PropertyQuery query{id, weight.property_set.c_str(), weight.property.c_str()};
    viewer::PropertyResult result{};
    if (viewer::filter_properties(host_, &query, &result, true) == 0) continue;
    // Numbers only: a weight given as text or as a yes/no says nothing of kilograms.
    if (result.value_type == 0 || result.value_type == 3) continue;
    return result.value.number;
  }
  return std::nullopt;
}

ListTotals category_totals(viewer::HostHandle host, viewer::ObjectId all_objects_id, const Groups& groups,
                           const std::vector<WeightProperty>& weights) {
  ListTotals totals;
  totals.of_group.resize(groups.size());
  totals.object_kilograms.resize(groups.size());
  ObjectMeasure measurer(host, weights);
  // Sorted, for the walk below to ask whether an object is filed: a tenth of a hash map's memory.
  std::vector<viewer::ObjectId> filed;
  std::size_t default_index = groups.size();
  for (std::size_t i = 0; i < groups.size(); ++i) {
    if (groups[i]->is_default) default_index = i;
    totals.object_kilograms[i].reserve(groups[i]->object_ids.size());
    for (const viewer::ObjectId id : groups[i]->object_ids) {
      filed.push_back(id);
      CategoryTotals one;
      measurer.add(id, one);
      CategoryTotals& group_totals = totals.of_group[i];
      ++group_totals.objects;
      group_totals.parts += one.parts;
      if (one.kilograms) group_totals.kilograms = group_totals.kilograms.value_or(0.0) + *one.kilograms;
      totals.object_kilograms[i].push_back(one.kilograms.value_or(std::numeric_limits<double>::quiet_NaN()));
    }
  }
  if (default_index == groups.size()) return totals;
  std::sort(filed.begin(), filed.end());
  // What is in no category: below the spatial structure, the first objects that are not filed.
  std::vector<viewer::ObjectId> stack{all_objects_id};
  std::vector<viewer::ObjectId> children;
  std::vector<viewer::ObjectInfo> infos;
  while (!stack.empty()) {
    const viewer::ObjectId parent = stack.back();
    stack.pop_back();
    read_children(host, parent, children);
    if (children.empty()) continue;
    infos.assign(children.size(), viewer::ObjectInfo{});
    viewer::get_object_info(host, children.data(), infos.data(), static_cast<std::int32_t>(children.size()));
    for (std::size_t i = 0; i < children.size(); ++i) {
      if (std::binary_search(filed.begin(), filed.end(), children[i])) continue;
      if (is_spatial(infos[i].ifc_entity)) {
        stack.push_back(children[i]);
      } else {
        measurer.add(children[i], totals.of_group[default_index]);
      }
    }
  }
  return totals;
}
