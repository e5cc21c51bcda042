// The viewer's context menu: a drop-down with the visible panel's categories, whose entries
// assign the selection to them.
#include "plugin/panels.h"
#include "plugin/plugin.h"
#include "plugin_base/host_api.h"

void Plugin::on_context_menu() {
  if (viewer::get_selected(host_handle, nullptr, 0) == 0) return;
  Tfrm_uda* target = visible_panel();
  if (target == nullptr) return;
  rebuild_context_entries(target->groups);
  const std::u16string& caption =
      target->mode == PanelMode::Status ? change_real_time_text : change_batching_text;
  viewer::set_button_text(host_handle, context_button_id, caption.c_str(), nullptr);
  viewer::add_context_button(host_handle, context_button_id);
}

void Plugin::rebuild_context_entries(Groups& groups) {
  // Entries beyond the list stay in the pool, hidden, for a longer list later.
  for (std::size_t k = groups.size(); k < context_entry_ids.size(); ++k) {
    viewer::show_button(host_handle, context_entry_ids[k], false);
  }
  for (std::size_t k = 0; k < groups.size(); ++k) {
    if (k == context_entry_ids.size()) {
      const std::int32_t created = viewer::create_small_button(host_handle, viewer::no_ribbon_group, button_callback);
      viewer::add_button(host_handle, context_button_id, created);
      context_entry_ids.push_back(created);
    }
    const std::int32_t id = context_entry_ids[k];
    groups[k]->button_id = id;
    viewer::set_button_text(host_handle, id, groups[k]->name.c_str(), nullptr);
    viewer::show_button(host_handle, id, true);
  }
}
