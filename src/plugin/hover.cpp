// The assembly-aware hover: while a panel is visible, hovering over a part of an assembly
// highlights every part of it.
#include <algorithm>
#include <vector>

#include "plugin/assembly.h"
#include "plugin/panels.h"
#include "plugin/plugin.h"
#include "plugin_base/host_api.h"
#include "plugin_base/host_queries.h"

namespace {

// The objects to highlight; its storage is kept from event to event.
std::vector<viewer::ObjectId> hover_set;

}  // namespace

void Plugin::on_hover() {
  if (visible_panel() == nullptr) return;
  viewer::HoverPosition position{};
  viewer::get_hovered_pos(host_handle, &position);
  const viewer::ObjectId hovered = position.object_id;
  hover_set.clear();
  if (const auto assembly = enclosing_assembly(host_handle, all_objects_id, hovered)) {
    read_children(host_handle, *assembly, hover_set);
  }
  if (std::find(hover_set.begin(), hover_set.end(), hovered) == hover_set.end()) hover_set.push_back(hovered);
  viewer::set_hover_objects(host_handle, hover_set.data(), static_cast<std::int32_t>(hover_set.size()));
}
