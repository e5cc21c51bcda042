// Side-car files: the panel's categories saved to, and opened from, a CSV file the user chooses.
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "categories/sidecar_guid.h"
#include "gui_uda/count_text.h"
#include "gui_uda/panel_steps.h"
#include "gui_uda/tfrm_uda.h"
#include "platform/file_identity.h"
#include "platform/shell_folders.h"
#include "plugin_base/fetch_ahead.h"
#include "plugin_base/host_api.h"
#include "plugin_base/host_queries.h"
#include "plugin_base/path_parts.h"
#include "simple_io/content_hash.h"
#include "simple_io/in_file.h"
#include "simple_io/replacing_file.h"
#include "toolkit/cursor.h"
#include "toolkit/string_list.h"

toolkit::FileText Tfrm_uda::sidecar_text(std::size_t& left_out) const {
  left_out = 0;
  // One text for the whole file, each line appended in place.
  toolkit::FileText file_text;
  file_text.append(u"IFC GUID,");
  file_text.append(mode_texts(mode).attribute_word);
  file_text.append_ascii("\r\n");
  // An IFC GUID has 22 characters: the text is made room for once, not grown and copied.
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
      // A GUID with a comma or a line break would cut its line: such an object is left out. Its
      // length, that test and its copy are one pass, taken back when it stops short of the end.
      const std::size_t line_start = file_text.size();
      if (info.ifc_guid != nullptr && *file_text.append_up_to(info.ifc_guid, sidecar_line_cutters) != 0) {
        file_text.truncate(line_start);
        ++left_out;
        continue;
      }
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

bool Tfrm_uda::save_groups_file(const std::u16string& path) {
  const toolkit::CursorWait wait;
  const std::u16string file = with_extension(path, u".csv");
  std::size_t left_out = 0;
  const toolkit::FileText file_text = sidecar_text(left_out);
  // Asked once the text is made, right before the file is replaced.
  if (!restored_part_of.empty() &&
      !toolkit::ask_question(window_handle(),
                             text("save_over_partial_restore", restored_part_of,
                                  file_name_part(file, platform::path_separator())),
                             u"TORV"))
    return false;
  if (!may_replace(file)) return false;
  if (!file_text.save(file)) {
    toolkit::message_box(window_handle(),
                         text("save_error") + u"\n" + file + u": " + simple_io::last_write_failure(), u"TORV",
                         toolkit::MessageIcon::error);
    return false;
  }
  remember_sidecar(file, platform::file_stamp(file), file_text.content_hash(), true);
  restored_part_of.clear();
  // The model's own side-car file holds the work now; a copy elsewhere does not.
  if (!model_of_list.empty() && platform::same_file(file, sidecar_path(model_of_list))) forget_recovery();
  if (left_out > 0) {
    toolkit::message_box(window_handle(),
                         counted_text("guids_left_out", {left_out}, count_text(left_out),
                                      file_name_part(file, platform::path_separator())),
                         u"TORV", toolkit::MessageIcon::warning);
  }
  return true;
}

void Tfrm_uda::remember_sidecar(const std::u16string& path, const std::optional<platform::FileStamp>& stamp,
                                std::uint32_t content_hash, bool whole) {
  const auto same = std::find_if(known_files.begin(), known_files.end(), [&path](const KnownFile& known) {
    return platform::same_file(known.path, path);
  });
  KnownFile known{path, stamp, content_hash, whole};
  if (same != known_files.end()) {
    *same = std::move(known);
  } else {
    known_files.push_back(std::move(known));
  }
}

bool Tfrm_uda::may_replace(const std::u16string& path) {
  const auto known = std::find_if(known_files.begin(), known_files.end(), [&path](const KnownFile& file) {
    return platform::same_file(file.path, path);
  });
  if (known == known_files.end()) return true;
  const std::u16string name = file_name_part(path, platform::path_separator());
  if (!known->whole) return toolkit::ask_question(window_handle(), text("save_over_unread", name), u"TORV");
  const std::optional<platform::FileStamp> stamp = platform::file_stamp(path);
  bool changed = stamp != known->stamp;
  // The same size and time may hide an edit whose time was put back (a copy that keeps times, a
  // sync, an unpacked archive): the bytes tell.
  if (!changed && stamp) {
    const simple_io::FileBytes now = simple_io::read_file_bytes(path);
    changed = !now.bytes || simple_io::content_hash(*now.bytes) != known->content_hash;
  }
  if (!changed) return true;
  return toolkit::ask_question(window_handle(), text("sidecar_changed", name), u"TORV");
}

void Tfrm_uda::tell_unread(const std::u16string& path) {
  const std::u16string name = file_name_part(path, platform::path_separator());
  std::u16string message;
  if (!last_read.failure.empty()) {
    message = text(mode == PanelMode::Batch ? "unreadable_batches" : "unreadable_statuses", name,
                   last_read.failure);
  } else if (last_read.lines_not_read > 0) {
    message = counted_text("reading_stopped", {last_read.lines_not_read}, name,
                           count_text(last_read.stopped_at_line), count_text(last_read.lines_not_read));
  }
  if (last_read.invalid_guid_lines > 0) {
    if (!message.empty()) message += u"\n";
    message += counted_text("invalid_guid_lines", {last_read.invalid_guid_lines},
                            count_text(last_read.invalid_guid_lines), name);
  }
  if (!message.empty())
    toolkit::message_box(window_handle(), message, u"TORV", toolkit::MessageIcon::warning);
}

bool Tfrm_uda::may_open(const std::u16string& path, std::string_view bytes) {
  // The first line is all that is looked at: the text of a large file is not made twice.
  constexpr std::size_t enough_for_a_header = 4096;
  const std::u16string file_text = toolkit::decode_text(bytes.substr(0, enough_for_a_header));
  std::u16string_view first_line = file_text;
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
  // A file that cannot be read leaves the list as it was.
  std::optional<platform::FileStamp> stamp = platform::file_stamp(path);
  simple_io::FileBytes file = simple_io::read_file_bytes(path);
  if (!file.bytes) {
    toolkit::message_box(
        window_handle(),
        text("open_unreadable", file_name_part(path, platform::path_separator()), file.failure), u"TORV",
        toolkit::MessageIcon::warning);
    return;
  }
  if (!may_open(path, *file.bytes)) return;
  keep_unsaved_aside();
  // Opening is a step: undone, the list is the one before it.
  Groups before = std::move(groups);
  groups.clear();
  load_groups_bytes(std::move(file), std::move(stamp));
  remember_sidecar(path, last_read.stamp, last_read.content_hash, last_read.whole());
  apply_colors();
  history.record(list_step(std::move(before), "step_open", file_name_part(path, platform::path_separator())));
  if (!model_of_list.empty() && platform::same_file(path, sidecar_path(model_of_list)) && last_read.whole()) {
    forget_recovery();
  } else {
    note_change();
  }
  tell_unread(path);
  if (loaded_absent_lines > 0) {
    toolkit::message_box(window_handle(),
                         counted_text("lines_without_object", {loaded_absent_lines},
                                      count_text(loaded_absent_lines), count_text(loaded_guid_lines)),
                         u"TORV", toolkit::MessageIcon::information);
  }
}
