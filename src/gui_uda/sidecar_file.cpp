// Side-car files: the panel's categories saved to, and opened from, a CSV file the user chooses.
#include <vector>

#include "gui_uda/tfrm_uda.h"
#include "platform/shell_folders.h"
#include "plugin_base/fetch_ahead.h"
#include "plugin_base/host_api.h"
#include "plugin_base/host_queries.h"
#include "plugin_base/path_parts.h"
#include "toolkit/cursor.h"
#include "toolkit/file_text.h"

void Tfrm_uda::save_groups_file(const std::u16string& path) {
  const toolkit::CursorWait wait;
  // One text for the whole file, each line appended in place.
  toolkit::FileText file_text;
  file_text.append(u"IFC GUID,");
  file_text.append(mode_texts(mode).attribute_word);
  file_text.append_ascii("\r\n");
  std::vector<viewer::ObjectInfo2> infos;
  for (const auto& group : groups) {
    if (group->is_default) continue;
    if (group->object_ids.empty()) {
      // A category without objects keeps its place as a line without a GUID.
      file_text.append_ascii(",");
      file_text.append(group->name);
      file_text.append_ascii("\r\n");
      continue;
    }
    // A GUID has 22 characters: the text grows once per category, not line by line.
    file_text.reserve_more(group->object_ids.size() * (group->name.size() + 25));
    infos.assign(group->object_ids.size(), viewer::ObjectInfo2{});
    viewer::get_object_info2(host_handle, group->object_ids.data(), infos.data(),
                             static_cast<std::int32_t>(infos.size()));
    for (std::size_t i = 0; i < infos.size(); ++i) {
      if (i + viewer::fetch_distance < infos.size())
        viewer::fetch_ahead(infos[i + viewer::fetch_distance].ifc_guid);
      const viewer::ObjectInfo2& info = infos[i];
      if (info.ifc_guid != nullptr) file_text.append_up_to(info.ifc_guid, 0);
      file_text.append_ascii(",");
      file_text.append(group->name);
      file_text.append_ascii("\r\n");
    }
  }
  if (!file_text.save(with_csv_extension(path))) {
    toolkit::message_box(window_handle(), text("save_error"), u"TORV", toolkit::MessageIcon::error);
  }
}

void Tfrm_uda::propose_sidecar(toolkit::FileDialog& dialog) {
  const std::u16string model = loaded_ifc_path(host_handle);
  if (model.empty()) {
    dialog.file_name.clear();
  } else {
    dialog.initial_dir = folder_part(model, platform::path_separator());
    dialog.file_name = sidecar_path(file_name_part(model, platform::path_separator()));
  }
  dialog.filter = file_filter;
}

void Tfrm_uda::btn_saveClick() {
  propose_sidecar(save_dialog);
  if (save_dialog.execute(window_handle())) save_groups_file(save_dialog.file_name);
}

void Tfrm_uda::btn_openClick() {
  propose_sidecar(open_dialog);
  if (!open_dialog.execute(window_handle())) return;
  clear_groups();
  load_groups_file(open_dialog.file_name);
  apply_colors();
}
