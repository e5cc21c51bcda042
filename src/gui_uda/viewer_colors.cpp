// Colouring the viewer's objects by category, and selecting a category's objects.
#include "gui_uda/count_text.h"
#include "gui_uda/tfrm_uda.h"
#include "plugin_base/host_api.h"
#include "plugin_base/host_queries.h"

namespace {

// What the other objects show while one category is shown alone: a light grey, three quarters
// see-through, as four bytes red, green, blue, alpha.
constexpr Rgba faded_grey{200, 200, 200, 64};

}  // namespace

void Tfrm_uda::apply_colors() {
  shown_alone_ = nullptr;
  // The default category is last: visited first, it colours the whole model, and the other
  // categories' objects then take their own colours.
  for (auto group = groups.rbegin(); group != groups.rend(); ++group) {
    const ObjectsGroup& category = **group;
    const bool colored = category.color.alpha != 0;
    if (category.is_default) {
      if (colored) {
        viewer::set_object_color(host_handle, plugin.all_objects_id, category.color.word(), true);
      } else {
        viewer::set_object_default_color(host_handle, plugin.all_objects_id, true);
      }
      continue;
    }
    color_objects(category);
  }
  viewer::select(host_handle, plugin.selected_id, false);
  viewer::invalidate(host_handle);
  grid.repaint();
}

void Tfrm_uda::color_objects(const ObjectsGroup& group) {
  for (const viewer::ObjectId id : group.object_ids) {
    if (group.color.alpha != 0) {
      viewer::set_object_color(host_handle, id, group.color.word(), true);
    } else {
      viewer::set_object_default_color(host_handle, id, true);
    }
  }
}

void Tfrm_uda::show_only(std::size_t index) {
  if (index >= groups.size()) return;
  const ObjectsGroup& alone = *groups[index];
  if (alone.is_default) {
    // The objects in no category as the default row colours them, every category's objects grey.
    if (alone.color.alpha != 0) {
      viewer::set_object_color(host_handle, plugin.all_objects_id, alone.color.word(), true);
    } else {
      viewer::set_object_default_color(host_handle, plugin.all_objects_id, true);
    }
    for (const auto& group : groups) {
      if (group->is_default) continue;
      for (const viewer::ObjectId id : group->object_ids)
        viewer::set_object_color(host_handle, id, faded_grey.word(), true);
    }
  } else {
    viewer::set_object_color(host_handle, plugin.all_objects_id, faded_grey.word(), true);
    color_objects(alone);
  }
  shown_alone_ = &alone;
  viewer::select(host_handle, plugin.selected_id, false);
  viewer::invalidate(host_handle);
  grid.repaint();
}

void Tfrm_uda::select_group(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= groups.size()) return;
  viewer::select(host_handle, plugin.selected_id, false);
  const ObjectsGroup& chosen = *groups[static_cast<std::size_t>(index)];
  if (chosen.is_default) {
    // Everything, less the objects of every other category.
    viewer::select(host_handle, plugin.all_objects_id, true);
    for (const auto& group : groups) {
      if (group->is_default || group->object_ids.empty()) continue;
      viewer::select_many(host_handle, group->object_ids.data(),
                          static_cast<std::int32_t>(group->object_ids.size()), viewer::remove_from_selection);
    }
  } else if (!chosen.object_ids.empty()) {
    viewer::select_many(host_handle, chosen.object_ids.data(),
                        static_cast<std::int32_t>(chosen.object_ids.size()), viewer::add_to_selection);
  }
  viewer::apply_select_rules(host_handle);
  viewer::invalidate(host_handle);
}
