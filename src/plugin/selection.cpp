// The assembly-aware selection: while a panel is visible, selecting a part of an assembly selects
// the whole assembly.
#include <vector>

#include "plugin/assembly.h"
#include "plugin/panels.h"
#include "plugin/plugin.h"
#include "plugin_base/host_api.h"
#include "plugin_base/host_queries.h"

namespace {

// The viewer's selection as last read; its storage is kept from event to event.
std::vector<viewer::ObjectId> raw_selection;

}  // namespace

void Plugin::on_selection_change() {
  if (visible_panel() == nullptr) return;
  // An empty selection leaves the last computed one as it was.
  read_selection(host_handle, raw_selection);
  if (raw_selection.empty()) return;
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
    viewer::select_many(host_handle, selected_objects.data(),
                        static_cast<std::int32_t>(selected_objects.size()), viewer::add_to_selection);
  }
}
