// The membership store refilled from the lists, the moved objects marked over it, then the walk.
#include "categories/move_members.h"

#include "categories/collect_members.h"
#include "plugin_base/host_api.h"
#include "plugin_base/host_queries.h"

void move_members(viewer::HostHandle host, viewer::ObjectId all_objects_id, Groups& groups,
                  std::span<const MemberMove> moves) {
  viewer::set_user_data(host, all_objects_id, nullptr, true);
  for (const auto& group : groups) {
    for (const viewer::ObjectId object : group->object_ids)
      viewer::set_user_data(host, object, group.get(), false);
    group->object_ids.clear();
  }
  for (const MemberMove& move : moves) viewer::set_user_data(host, move.object, move.group, false);
  collect_members(host, all_objects_id);
}

void append_memberships_at(viewer::HostHandle host, viewer::ObjectId object, std::vector<MemberMove>& filed) {
  auto* own = static_cast<ObjectsGroup*>(viewer::get_user_data(host, object));
  filed.push_back({object, own});
  if (own != nullptr) return;
  walk_children(host, object, [host, &filed](viewer::ObjectId child) {
    auto* group = static_cast<ObjectsGroup*>(viewer::get_user_data(host, child));
    if (group == nullptr) return true;
    filed.push_back({child, group});
    return false;
  });
}
