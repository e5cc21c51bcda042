// One pass over the reachable objects, two get_childs calls per expanded object into one buffer.
#include "categories/collect_members.h"

#include <vector>

#include "categories/objects_group.h"
#include "plugin_base/host_api.h"
#include "plugin_base/host_queries.h"

void collect_members(viewer::HostHandle host, viewer::ObjectId all_objects_id) {
  std::vector<viewer::ObjectId> stack{all_objects_id};
  std::vector<viewer::ObjectId> children;
  while (!stack.empty()) {
    const viewer::ObjectId parent = stack.back();
    stack.pop_back();
    read_children(host, parent, children);
    for (const viewer::ObjectId child : children) {
      if (auto* group = static_cast<ObjectsGroup*>(viewer::get_user_data(host, child))) {
        group->object_ids.push_back(child);
      } else {
        stack.push_back(child);
      }
    }
  }
}
