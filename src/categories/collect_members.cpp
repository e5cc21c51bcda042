// One pass over the reachable objects, two get_childs calls per expanded object into one buffer.
#include "categories/collect_members.h"

#include <algorithm>
#include <vector>

#include "categories/objects_group.h"
#include "plugin_base/host_api.h"

void collect_members(viewer::HostHandle host, viewer::ObjectId all_objects_id) {
  std::vector<viewer::ObjectId> stack{all_objects_id};
  std::vector<viewer::ObjectId> children;
  while (!stack.empty()) {
    const viewer::ObjectId parent = stack.back();
    stack.pop_back();
    const std::int32_t count = viewer::get_childs(host, parent, nullptr, 0);
    if (count <= 0) continue;
    children.resize(static_cast<std::size_t>(count));
    const std::int32_t filled = viewer::get_childs(host, parent, children.data(), count);
    // A viewer may report fewer children the second time; never read past what it filled.
    children.resize(static_cast<std::size_t>(std::clamp(filled, 0, count)));
    for (const viewer::ObjectId child : children) {
      if (auto* group = static_cast<ObjectsGroup*>(viewer::get_user_data(host, child))) {
        group->object_ids.push_back(child);
      } else {
        stack.push_back(child);
      }
    }
  }
}
