// One pass over the reachable objects, two get_childs calls per expanded object into one buffer.
#include "categories/collect_members.h"

#include "categories/objects_group.h"
#include "plugin_base/host_api.h"
#include "plugin_base/host_queries.h"

void collect_members(viewer::HostHandle host, viewer::ObjectId all_objects_id) {
  walk_children(host, all_objects_id, [host](viewer::ObjectId child) {
    auto* group = static_cast<ObjectsGroup*>(viewer::get_user_data(host, child));
    if (group == nullptr) return true;
    group->object_ids.push_back(child);
    return false;
  });
}
