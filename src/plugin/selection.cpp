// The assembly-aware selection: while a panel is visible, selecting a part of an assembly selects
// the whole assembly.
#include <algorithm>
#include <vector>

#include "plugin/assembly.h"
#include "plugin/panels.h"
#include "plugin/plugin.h"
#include "plugin_base/host_api.h"

namespace {

// The viewer's selection as last read; its storage is kept from event to event.
std::vector<viewer::ObjectId> raw_selection;

}  // namespace

void Plugin::on_selection_change() {
  if (visible_panel() == nullptr) return;
  const std::int32_t count = viewer::get_selected(host_handle, nullptr, 0);
  if (count <= 0) return;
  raw_selection.resize(static_cast<std::size_t>(count));
  const std::int32_t filled = viewer::get_selected(host_handle, raw_selection.data(), count);
  raw_selection.resize(static_cast<std::size_t>(std::clamp(filled, 0, count)));
  viewer::select(host_handle, selected_id, false);
  selected_objects.clear();
  selected_objects.reserve(raw_selection.size());
  for (const viewer::ObjectId id : raw_selection) {
    if (const auto assembly = enclosing_assembly(host_handle, all_objects_id, id)) {
      selected_objects.push_back(*assembly);
    } else if (viewer::has_representation(host_handle, id)) {
      selected_objects.push_back(id);
    }
  }
  if (!selected_objects.empty()) {
    viewer::select_many(host_handle, selected_objects.data(), static_cast<std::int32_t>(selected_objects.size()), 2);
  }
}
