// What a click on one of the plug-in's buttons does: show a panel, reset the viewer, export the
// report, or assign the selection to the category of a context-menu entry.
#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "gui_uda/panel_steps.h"
#include "platform/shell_folders.h"
#include "plugin/panels.h"
#include "plugin/plugin.h"
#include "plugin/report.h"
#include "plugin/report_workbook.h"
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

// The report's file types: the CSV report first, the workbook second, then the language file's
// other types ("All files").
std::u16string export_filter(const std::u16string& report_filter, const std::u16string& workbook_filter) {
  const std::size_t first_bar = report_filter.find(u'|');
  const std::size_t second_bar =
      first_bar == std::u16string::npos ? first_bar : report_filter.find(u'|', first_bar + 1);
  if (second_bar == std::u16string::npos) return report_filter + u"|" + workbook_filter;
  return report_filter.substr(0, second_bar) + u"|" + workbook_filter + report_filter.substr(second_bar);
}

// The extension typed decides; without one of the two, the type chosen does.
bool chooses_workbook(const toolkit::FileDialog& dialog) {
  const std::u16string extension = extension_part(dialog.file_name);
  if (extension == u".xlsx") return true;
  if (extension == u".csv") return false;
  return dialog.filter_index == toolkit::filter_index_for(dialog.filter, u"report.xlsx");
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
  if (batch.groups.empty()) batch.reload_groups(false);
  toolkit::FileDialog dialog(toolkit::FileDialogKind::save);
  const std::u16string path = loaded_ifc_path(host_handle);
  if (!path.empty()) {
    dialog.initial_dir = folder_part(path, platform::path_separator());
    dialog.file_name = model_stem(path) + u".export.csv";
  }
  dialog.filter = export_filter(cpp::language_text(host_handle, "filter_export"),
                                cpp::language_text(host_handle, "filter_workbook"));
  // The name shown follows the type chosen: report.export.csv becomes report.export.xlsx.
  dialog.default_extension = u"csv";
  if (!dialog.execute(host_window)) return;
  if (!chooses_workbook(dialog)) return export_report(*this, dialog.file_name);
  // The workbook has the statuses too, read as the batches are when their panel was never opened.
  Tfrm_uda& status = existing_panel(*this, PanelMode::Status);
  if (status.groups.empty()) status.reload_groups(false);
  export_workbook(*this, dialog.file_name);
}
