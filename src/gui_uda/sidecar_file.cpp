// Side-car files: the panel's categories saved to, and opened from, a CSV file the user chooses.
#include <string>
#include <vector>

#include "gui_uda/tfrm_uda.h"
#include "platform/shell_folders.h"
#include "plugin_base/fetch_ahead.h"
#include "plugin_base/host_api.h"
#include "plugin_base/host_queries.h"
#include "plugin_base/path_parts.h"
#include "simple_io/replacing_file.h"
#include "toolkit/cursor.h"
#include "toolkit/string_list.h"

toolkit::FileText Tfrm_uda::sidecar_text() const {
  // One text for the whole file, each line appended in place.
  toolkit::FileText file_text;
  file_text.append(u"IFC GUID,");
  file_text.append(mode_texts(mode).attribute_word);
  file_text.append_ascii("\r\n");
  // A GUID has 22 characters: the text is made room for once, not grown and copied.
  std::size_t room = 0;
  for (const auto& group : groups) {
    if (!group->is_default)
      room += (group->object_ids.size() + group->absent_guids.size() + 1) * (group->name.size() + 25);
  }
  file_text.reserve_more(room);
  std::vector<viewer::ObjectInfo2> infos;
  for (const auto& group : groups) {
    if (group->is_default) continue;
    if (group->object_ids.empty() && group->absent_guids.empty()) {
      // A category without objects keeps its place as a line without a GUID.
      file_text.append_ascii(",");
      file_text.append(group->name);
      file_text.append_ascii("\r\n");
      continue;
    }
    infos.assign(group->object_ids.size(), viewer::ObjectInfo2{});
    if (!infos.empty()) {
      viewer::get_object_info2(host_handle, group->object_ids.data(), infos.data(),
                               static_cast<std::int32_t>(infos.size()));
    }
    // What follows the GUID, the same on each of the category's lines.
    const std::u16string line_end = u"," + group->name + u"\r\n";
    for (std::size_t i = 0; i < infos.size(); ++i) {
      if (i + viewer::fetch_distance < infos.size())
        viewer::fetch_ahead(infos[i + viewer::fetch_distance].ifc_guid);
      const viewer::ObjectInfo2& info = infos[i];
      if (info.ifc_guid != nullptr) file_text.append_up_to(info.ifc_guid);
      file_text.append(line_end);
    }
    // Objects of another revision of the model come back with their category.
    for (const std::u16string& guid : group->absent_guids) {
      file_text.append(guid);
      file_text.append(line_end);
    }
  }
  return file_text;
}

void Tfrm_uda::save_groups_file(const std::u16string& path) {
  const toolkit::CursorWait wait;
  const std::u16string file = with_csv_extension(path);
  if (!may_replace(file)) return;
  if (!sidecar_text().save(file)) {
    toolkit::message_box(window_handle(),
                         text("save_error") + u"\n" + file + u": " + simple_io::last_write_failure(), u"TORV",
                         toolkit::MessageIcon::error);
    return;
  }
  remember_sidecar(file);
  // The model's own side-car file holds the work now; a copy elsewhere does not.
  if (!model_of_list.empty() && file == sidecar_path(model_of_list)) forget_recovery();
}

void Tfrm_uda::remember_sidecar(const std::u16string& path) {
  known_sidecar = path;
  known_stamp = platform::file_stamp(path);
}

bool Tfrm_uda::may_replace(const std::u16string& path) {
  if (path != known_sidecar || platform::file_stamp(path) == known_stamp) return true;
  return toolkit::ask_question(
      window_handle(), text("sidecar_changed", file_name_part(path, platform::path_separator())), u"TORV");
}

bool Tfrm_uda::may_open(const std::u16string& path) {
  const std::optional<std::u16string> file_text = toolkit::read_text_file(path);
  if (!file_text) return true;
  std::u16string_view first_line = *file_text;
  first_line = first_line.substr(0, first_line.find_first_of(u"\r\n"));
  if (first_line == std::u16string(u"IFC GUID,") + mode_texts(mode).attribute_word) return true;
  return toolkit::ask_question(window_handle(),
                               text("open_not_sidecar", file_name_part(path, platform::path_separator()),
                                    std::u16string(u"IFC GUID,") + mode_texts(mode).attribute_word),
                               u"TORV");
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
  const std::u16string path = open_dialog.file_name;
  if (!may_open(path)) return;
  clear_groups();
  load_groups_file(path);
  remember_sidecar(path);
  apply_colors();
  if (!model_of_list.empty() && path == sidecar_path(model_of_list)) {
    forget_recovery();
  } else {
    note_change();
  }
  if (loaded_absent_lines > 0) {
    const auto number = [](std::size_t value) {
      const std::string digits = std::to_string(value);
      return std::u16string(digits.begin(), digits.end());
    };
    toolkit::message_box(window_handle(),
                         text("lines_without_object", number(loaded_absent_lines), number(loaded_guid_lines)),
                         u"TORV", toolkit::MessageIcon::information);
  }
}
