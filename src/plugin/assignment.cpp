// Assigning the selected objects to a category: user data marks, then the membership walk.
#include "categories/collect_members.h"
#include "categories/move_members.h"
#include "plugin/plugin.h"
#include "plugin_base/host_api.h"
#include "plugin_base/host_queries.h"

std::optional<Plugin::Assignment> Plugin::assign_selection(Groups& groups, std::int32_t id) {
  ObjectsGroup* chosen = nullptr;
  for (const auto& group : groups) {
    if (group->button_id == id) {
      chosen = group.get();
      break;
    }
  }
  if (chosen == nullptr) return std::nullopt;
  viewer::set_user_data(host_handle, all_objects_id, nullptr, true);
  // The mark set last wins: the other categories in list order, the chosen one, the selection.
  const auto mark = [&](ObjectsGroup& group) {
    for (const viewer::ObjectId object : group.object_ids)
      viewer::set_user_data(host_handle, object, &group, false);
    group.object_ids.clear();
  };
  for (const auto& group : groups) {
    if (group.get() != chosen) mark(*group);
  }
  mark(*chosen);
  on_selection_change();
  Assignment done{chosen, {}, {}};
  for (const viewer::ObjectId object : selected_objects) {
    if (!has_guid(host_handle, object)) continue;
    append_memberships_at(host_handle, object, done.before);
    done.moved.push_back({object, chosen});
  }
  for (const MemberMove& move : done.moved) viewer::set_user_data(host_handle, move.object, chosen, false);
  collect_members(host_handle, all_objects_id);
  return done;
}
