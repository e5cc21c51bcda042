// What the CSV report and the workbook share: the coordinates in whole millimetres, and the walk
// over the report's objects: the batch categories in list order (the default one and empty ones
// left out), each category's objects in order, described by two bulk calls per category and one
// box call per object.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "categories/objects_group.h"
#include "interface/viewer_records.h"
#include "plugin_base/fetch_ahead.h"
#include "plugin_base/host_api.h"

// A coordinate (metres) in whole thousandths (millimetres), truncated toward zero; nothing for a
// coordinate that is not a number or beyond what 64 bits hold. A product within a millionth of a
// whole thousandth is that whole one: 26.26 m that the viewer's arithmetic left a few ulps short
// (26259.999999999996 once scaled) is 26260 in every run, never 26259.
inline std::optional<double> whole_thousandths(double coordinate) {
  const double scaled = coordinate * 1000.0;
  if (!std::isfinite(scaled) || std::fabs(scaled) >= 9.2e18) return std::nullopt;
  const double nearest = std::round(scaled);
  // Adding 0.0 makes a negative zero (-0.0004 m) zero: the workbook's cell holds 0, as the report's.
  return (std::fabs(scaled - nearest) <= 1e-6 ? nearest : std::trunc(scaled)) + 0.0;
}

// One object of the report as the viewer describes it.
struct ReportObject {
  viewer::ObjectId id;
  const viewer::ObjectInfo& info;
  const viewer::ObjectInfo2& info2;
  const viewer::BoundsBox* box;  // null when the viewer has none for the object
};

// How many objects the walk visits.
inline std::size_t report_object_count(const Groups& batches) {
  std::size_t count = 0;
  for (const auto& group : batches) count += group->is_default ? 0 : group->object_ids.size();
  return count;
}

// Calls on_category(group) before each category's objects and on_object(object) for each object.
template <typename OnCategory, typename OnObject>
void walk_report_objects(viewer::HostHandle host, const Groups& batches, OnCategory&& on_category,
                         OnObject&& on_object) {
  std::vector<viewer::ObjectInfo> infos;
  std::vector<viewer::ObjectInfo2> infos2;
  for (const auto& group : batches) {
    if (group->is_default || group->object_ids.empty()) continue;
    const auto count = static_cast<std::int32_t>(group->object_ids.size());
    infos.assign(group->object_ids.size(), viewer::ObjectInfo{});
    infos2.assign(group->object_ids.size(), viewer::ObjectInfo2{});
    viewer::get_object_info(host, group->object_ids.data(), infos.data(), count);
    viewer::get_object_info2(host, group->object_ids.data(), infos2.data(), count);
    on_category(*group);
    for (std::size_t i = 0; i < group->object_ids.size(); ++i) {
      if (const std::size_t ahead = i + viewer::fetch_distance; ahead < infos.size()) {
        viewer::fetch_ahead(infos2[ahead].ifc_guid, infos[ahead].name, infos[ahead].description,
                            infos[ahead].ifc_entity, infos2[ahead].tag);
      }
      viewer::BoundsBox box{};
      const bool has_box = viewer::get_bounds(host, group->object_ids[i], &box);
      on_object(ReportObject{group->object_ids[i], infos[i], infos2[i], has_box ? &box : nullptr});
    }
  }
}
