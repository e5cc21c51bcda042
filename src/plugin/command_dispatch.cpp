// What a click on one of the plug-in's buttons does: show a panel, reset the viewer, export the
// report, or assign the selection to the category of a context-menu entry.
#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "gui_uda/panel_steps.h"
#include "platform/shell_folders.h"
#include "plugin/panels.h"
#include "plugin/plugin.h"
#include "plugin/report.h"
#include "plugin_base/host_api.h"
#include "plugin_base/host_queries.h"
#include "plugin_base/language_text.h"
#include "plugin_base/path_parts.h"
#include "toolkit/cursor.h"
#include "toolkit/dialogs.h"

namespace {

Tfrm_uda& existing_panel(Plugin& plugin, PanelMode mode) {
  Tfrm_uda*& slot = panels[static_cast<int>(mode)];
  if (slot == nullptr) slot = new Tfrm_uda(plugin, mode);
  return *slot;
}

}  // namespace

void Plugin::on_button_click(std::int32_t id) {
  if (id == btn_uda4_id) {
    show_panel(PanelMode::Batch);
  } else if (id == btn_uda3_id) {
    show_panel(PanelMode::Status);
  } else if (id == btn_reset_id) {
    reset_viewer();
  } else if (id == btn_export_id) {
    export_command();
  } else if (Tfrm_uda* target = visible_panel()) {
    const toolkit::CursorWait wait;
    // An assignment that moves nothing leaves the list unchanged, and nothing to save or undo.
    std::vector<std::vector<viewer::ObjectId>> before;
    before.reserve(target->groups.size());
    for (const auto& group : target->groups) before.push_back(group->object_ids);
    std::optional<Assignment> done = assign_selection(target->groups, id);
    target->apply_colors();
    const bool moved = !std::equal(
        before.begin(), before.end(), target->groups.begin(), target->groups.end(),
        [](const std::vector<viewer::ObjectId>& ids, const auto& group) { return ids == group->object_ids; });
    if (done && moved)
      target->record(assignment_step(done->chosen, std::move(done->moved), std::move(done->before)));
  }
}

void Plugin::show_panel(PanelMode mode) {
  Tfrm_uda& shown = existing_panel(*this, mode);
  const PanelMode other = mode == PanelMode::Batch ? PanelMode::Status : PanelMode::Batch;
  if (Tfrm_uda* hidden = panel(other); hidden != nullptr && hidden->visible()) hidden->hide();
  shown.show();
}

void Plugin::reset_viewer() {
  for (const PanelMode mode : {PanelMode::Status, PanelMode::Batch}) {
    if (Tfrm_uda* existing = panel(mode); existing != nullptr && existing->visible()) existing->hide();
  }
  viewer::set_object_default_color(host_handle, all_objects_id, true);
  viewer::invalidate(host_handle);
}

void Plugin::export_command() {
  Tfrm_uda& batch = existing_panel(*this, PanelMode::Batch);
  // The report has its batches even when the batch panel was never opened.
  if (batch.groups.empty()) batch.reload_groups();
  toolkit::FileDialog dialog(toolkit::FileDialogKind::save);
  const std::u16string path = loaded_ifc_path(host_handle);
  if (!path.empty()) {
    dialog.initial_dir = folder_part(path, platform::path_separator());
    dialog.file_name = model_stem(path) + u".export.csv";
  }
  dialog.filter = cpp::language_text(host_handle, "filter_export");
  if (dialog.execute(host_window)) export_report(*this, dialog.file_name);
}
