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
#include "categories/sort_groups.h"
#include "gui_uda/property_value_text.h"
#include "gui_uda/tfrm_uda.h"
#include "platform/ansi_code_page.h"
#include "platform/locale.h"
#include "plugin_base/host_api.h"
#include "plugin_base/host_queries.h"
#include "plugin_base/path_parts.h"
#include "toolkit/cursor.h"
#include "toolkit/string_list.h"

namespace {

// text in the ANSI code page as a C string in buffer, whose storage serves line after line.
// GUIDs are ASCII, whose bytes are their code units.
const char* ansi_text(std::u16string_view text, std::string& buffer) {
  if (std::all_of(text.begin(), text.end(), [](char16_t c) { return c < 0x80; })) {
    buffer.resize(text.size());
    std::copy(text.begin(), text.end(), buffer.begin());
  } else {
    buffer = platform::to_ansi(text);
  }
  return buffer.c_str();
}

}  // namespace

void Tfrm_uda::reload_groups() {
  const std::u16string model_path = loaded_ifc_path(host_handle);
  model_of_list = model_path;
  if (model_path.empty()) {
    GroupsByName none;
    finish_list(none);
    return;
  }
  const std::u16string sidecar = sidecar_path(model_path);
  remember_sidecar(sidecar);
  if (offer_recovery(model_path)) return;
  // The list comes from the side-car file or the model now: an older recovery file is stale.
  forget_recovery();
  // A status panel keeps what the failed file load built: the default category alone.
  if (!load_groups_file(sidecar) && mode == PanelMode::Batch) {
    clear_groups();
    build_groups_from_model();
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
  // The user data of every object is the membership store; it starts empty.
  viewer::set_user_data(host_handle, plugin.all_objects_id, nullptr, true);
  GroupsByName by_name;
  loaded_guid_lines = 0;
  loaded_absent_lines = 0;
  bool readable = true;
  // Running out of memory ends the readable lines where it happens, as any other read failure.
  try {
    // The lines are read in place: a million-line file is not copied line by line.
    const std::optional<std::u16string> text = toolkit::read_text_file(path);
    readable = text.has_value();
    if (text) {
      bool header = true;
      bool stopped = false;
      std::string ansi_guid;
      // The last line decides an absent object's category, as it does a present one's; the lines
      // keep the file's order.
      std::unordered_map<std::u16string_view, std::size_t> absent_at;
      std::vector<std::pair<std::u16string_view, ObjectsGroup*>> absent;
      toolkit::for_each_line(*text, [&](std::u16string_view line) {
        if (std::exchange(header, false) || stopped) return;
        const auto comma = line.find(u',');
        // Reading stops at the first line without a comma; the lines before it stay in effect.
        if (comma == std::u16string_view::npos) {
          stopped = true;
          return;
        }
        const std::u16string_view guid = trimmed_view(line.substr(0, comma));
        const std::u16string_view name = trimmed_view(line.substr(comma + 1));
        if (name.empty()) return;
        ObjectsGroup& group = group_named(by_name, name);
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
  for (auto& [name, group] : by_name) groups.push_back(std::move(group));
  auto default_group = std::make_unique<ObjectsGroup>();
  default_group->is_default = true;
  default_group->name = default_name;
  groups.push_back(std::move(default_group));
  sort_groups(groups);
  load_colors();
  set_row_count_and_layout();
}
