// Loading a panel's categories: from the model's side-car file, else (batch panel) from the
// objects' "USER_FIELD_4" property, else the default category alone.
#include <algorithm>
#include <new>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "categories/clean_field.h"
#include "categories/collect_members.h"
#include "categories/sidecar_lines.h"
#include "categories/sort_groups.h"
#include "gui_uda/property_value_text.h"
#include "gui_uda/tfrm_uda.h"
#include "interface/recovery_names.h"
#include "platform/ansi_code_page.h"
#include "platform/file_identity.h"
#include "platform/file_replace.h"
#include "platform/locale.h"
#include "platform/shell_folders.h"
#include "plugin_base/host_api.h"
#include "plugin_base/host_queries.h"
#include "plugin_base/path_parts.h"
#include "simple_io/content_hash.h"
#include "simple_io/in_file.h"
#include "toolkit/cursor.h"
#include "toolkit/string_list.h"

namespace {

// text in the ANSI code page as a C string in buffer, whose storage serves line after line.
// GUIDs are ASCII, whose bytes are their code units.
const char* ansi_text(std::u16string_view text, std::string& buffer) {
  // Copied and tested in one pass; only a text beyond ASCII is converted afterwards.
  buffer.resize(text.size());
  char16_t every_bit = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    every_bit |= text[i];
    buffer[i] = static_cast<char>(text[i]);
  }
  if (every_bit >= 0x80) buffer = platform::to_ansi(text);
  return buffer.c_str();
}

}  // namespace

void Tfrm_uda::reload_groups(bool offer_unsaved) {
  const std::u16string model_path = loaded_ifc_path(host_handle);
  model_of_list = model_path;
  history.clear();
  recovery_stem.clear();
  known_files.clear();
  leaving_answered = false;
  restored_part_of.clear();
  recovery_pending = false;
  if (model_path.empty()) {
    GroupsByName none;
    finish_list(none);
    return;
  }
  const char16_t separator = platform::path_separator();
  recovery_stem =
      cpp::recovery_name_stem(file_name_part(model_path, separator), platform::canonical_path(model_path));
  const std::u16string sidecar = sidecar_path(model_path);
  const bool read = load_groups_file(sidecar);
  remember_sidecar(sidecar, last_read.stamp, last_read.content_hash, last_read.whole());
  tell_unread(sidecar);
  // A status panel keeps what the failed file load built: the default category alone.
  if (!read && mode == PanelMode::Batch) {
    clear_groups();
    build_groups_from_model();
  }
  // The list as read is the one saved; unsaved changes of this model may replace it.
  set_unsaved(false);
  if (offer_unsaved) {
    offer_recovery(model_path);
  } else {
    recovery_pending = true;
  }
}

std::u16string Tfrm_uda::sidecar_path(const std::u16string& model_path) const {
  return model_stem(model_path) + mode_texts(mode).sidecar_ending;
}

ObjectsGroup& Tfrm_uda::group_named(GroupsByName& by_name, std::u16string_view name) {
  auto found = by_name.find(name);
  if (found == by_name.end()) {
    auto group = std::make_unique<ObjectsGroup>();
    group->name = name;
    found = by_name.emplace(group->name, std::move(group)).first;
  }
  return *found->second;
}

bool Tfrm_uda::load_groups_file(const std::u16string& path) {
  const toolkit::CursorWait wait;
  // Stamped before it is read: a change while it is read shows as a change.
  std::optional<platform::FileStamp> stamp = platform::file_stamp(path);
  return load_groups_bytes(simple_io::read_file_bytes(path), std::move(stamp));
}

bool Tfrm_uda::load_groups_bytes(simple_io::FileBytes file, std::optional<platform::FileStamp> stamp) {
  const toolkit::CursorWait wait;
  // The user data of every object is the membership store; it starts empty.
  viewer::set_user_data(host_handle, plugin.all_objects_id, nullptr, true);
  GroupsByName by_name;
  loaded_guid_lines = 0;
  loaded_absent_lines = 0;
  last_read = ReadOutcome{};
  last_read.stamp = std::move(stamp);
  last_read.missing = file.missing;
  if (!file.missing) last_read.failure = std::move(file.failure);
  bool readable = false;
  // Running out of memory ends the readable lines where it happens: the list then does not hold
  // the whole file, and a save over it asks first.
  try {
    std::optional<std::u16string> text;
    if (file.bytes) {
      last_read.content_hash = simple_io::content_hash(*file.bytes);
      text = toolkit::decode_text(*file.bytes);
      // The bytes are not needed beside their text.
      file.bytes.reset();
    }
    readable = text.has_value();
    if (text) {
      std::size_t line_number = 0;
      std::string ansi_guid;
      // The last line decides an absent object's category, as it does a present one's; the lines
      // keep the file's order.
      std::unordered_map<std::u16string_view, std::size_t> absent_at;
      std::vector<std::pair<std::u16string_view, ObjectsGroup*>> absent;
      // A category's lines follow each other: the last line's category is looked up only when the
      // name changes.
      ObjectsGroup* last_group = nullptr;
      std::u16string_view last_name;
      toolkit::for_each_line(*text, [&](std::u16string_view line) {
        if (++line_number == 1) return;
        if (last_read.stopped_at_line != 0) {
          // Blank lines after the stop hold nothing that a save could lose.
          if (!trimmed_view(line).empty()) ++last_read.lines_not_read;
          return;
        }
        const SidecarLine read = read_sidecar_line(line);
        // Reading stops at the first line without a comma; the lines before it stay in effect.
        if (read.kind == SidecarLineKind::no_comma) {
          last_read.stopped_at_line = line_number;
          if (!trimmed_view(line).empty()) ++last_read.lines_not_read;
          return;
        }
        if (read.kind == SidecarLineKind::no_name) return;
        if (read.kind == SidecarLineKind::unwritable_guid) {
          ++last_read.invalid_guid_lines;
          return;
        }
        const std::u16string_view guid = read.guid;
        if (last_group == nullptr || read.name != last_name) {
          last_group = &group_named(by_name, read.name);
          last_name = read.name;
        }
        ObjectsGroup& group = *last_group;
        if (guid.empty()) return;
        ++loaded_guid_lines;
        const viewer::ObjectId id = viewer::calculate_object_id(host_handle, ansi_text(guid, ansi_guid));
        viewer::set_user_data(host_handle, id, &group, false);
        // An object the model lacks keeps no mark: its line is kept with the category instead.
        if (viewer::get_user_data(host_handle, id) == &group) return;
        ++loaded_absent_lines;
        const auto [at, added] = absent_at.try_emplace(guid, absent.size());
        if (added) {
          absent.emplace_back(guid, &group);
        } else {
          absent[at->second].second = &group;
        }
      });
      for (const auto& [guid, group] : absent) group->absent_guids.emplace_back(guid);
    }
  } catch (const std::bad_alloc&) {
    platform::set_out_of_memory_error();
    last_read.failure = platform::last_error_text();
  }
  // Nothing names a category when the file could not be read: the walk is left out then.
  if (readable) collect_members(host_handle, plugin.all_objects_id);
  finish_list(by_name);
  return readable;
}

void Tfrm_uda::build_groups_from_model() {
  const toolkit::CursorWait wait;
  GroupsByName by_name;
  const char16_t decimal_separator = platform::decimal_separator();
  viewer::PropertyQuery query{0, u"BIM", u"USER_FIELD_4"};
  std::u16string number_text;
  std::u16string name_buffer;
  walk_children(host_handle, plugin.all_objects_id, [&](viewer::ObjectId child) {
    query.object_id = child;
    viewer::PropertyResult result{};
    if (viewer::filter_properties(host_handle, &query, &result, true) == 0) return true;
    // An object that carries the property is never looked below, whatever its value.
    const std::u16string_view value = property_value_text(result, decimal_separator, number_text);
    if (value.empty()) return false;
    // A line break would end the name's line in the side-car file: it becomes a space.
    if (value.find_first_of(u"\r\n") != std::u16string_view::npos) name_buffer = category_name(value);
    ObjectsGroup& group =
        group_named(by_name, value.find_first_of(u"\r\n") == std::u16string_view::npos ? value : name_buffer);
    if (has_guid(host_handle, child)) group.object_ids.push_back(child);
    return false;
  });
  finish_list(by_name);
}

void Tfrm_uda::finish_list(GroupsByName& by_name) {
  forget_totals();
  for (auto& [name, group] : by_name) groups.push_back(std::move(group));
  auto default_group = std::make_unique<ObjectsGroup>();
  default_group->is_default = true;
  default_group->name = default_name;
  groups.push_back(std::move(default_group));
  sort_groups(groups);
  load_colors();
  set_row_count_and_layout();
}
