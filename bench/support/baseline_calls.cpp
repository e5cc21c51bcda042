// The baselines' host calls.
#include "support/baseline_calls.h"

#include <algorithm>
#include <cstdio>
#include <map>

#include "api/host_state.h"
#include "platform/logical_compare.h"
#include "plugin_base/host_api.h"

namespace bench {

viewer::HostHandle host() {
  viewer::resolve_host_api();
  return host::host_state().handle;
}

std::vector<Category> categories_from_walk(const std::function<std::optional<std::u16string>(ObjectId)>& category_of,
                                           const std::function<std::uint32_t(const std::u16string&)>& color_of) {
  const host::Model& model = host::host_state().model;
  std::map<std::u16string, std::vector<ObjectId>> members;
  std::vector<ObjectId> stack{host::all_objects_id};
  while (!stack.empty()) {
    const ObjectId parent = stack.back();
    stack.pop_back();
    for (const ObjectId child : model.children(parent)) {
      if (const auto name = category_of(child)) {
        members[*name].push_back(child);
      } else {
        stack.push_back(child);
      }
    }
  }
  std::vector<Category> categories;
  for (auto& [name, ids] : members) categories.push_back({name, std::move(ids), color_of(name)});
  std::sort(categories.begin(), categories.end(),
            [](const Category& a, const Category& b) { return platform::compare_logical(a.name, b.name) < 0; });
  return categories;
}

void children_calls(ObjectId parent, std::vector<ObjectId>& buffer) {
  const viewer::HostHandle handle = host();
  const std::int32_t count = viewer::get_childs(handle, parent, nullptr, 0);
  buffer.resize(static_cast<std::size_t>(std::max(count, 0)));
  if (count > 0) viewer::get_childs(handle, parent, buffer.data(), count);
}

void membership_walk_calls() {
  const viewer::HostHandle handle = host();
  std::vector<ObjectId> stack{host::all_objects_id};
  std::vector<ObjectId> children;
  while (!stack.empty()) {
    const ObjectId parent = stack.back();
    stack.pop_back();
    children_calls(parent, children);
    for (const ObjectId child : children) {
      if (viewer::get_user_data(handle, child) == nullptr) stack.push_back(child);
    }
  }
}

void colour_calls(const std::vector<Category>& categories) {
  const viewer::HostHandle handle = host();
  viewer::set_object_default_color(handle, host::all_objects_id, true);
  for (auto category = categories.rbegin(); category != categories.rend(); ++category) {
    for (const ObjectId id : category->ids) {
      if (category->color >> 24 != 0) {
        viewer::set_object_color(handle, id, category->color, true);
      } else {
        viewer::set_object_default_color(handle, id, true);
      }
    }
  }
  viewer::select(handle, host::selected_objects_id, false);
  viewer::invalidate(handle);
}

ObjectId enclosing_assembly_calls(ObjectId object) {
  const viewer::HostHandle handle = host();
  while (object != host::all_objects_id && object != 0) {
    viewer::ObjectInfo info{};
    viewer::get_object_info(handle, &object, &info, 1);
    if (info.ifc_entity != nullptr && std::string_view(info.ifc_entity) == "IfcElementAssembly") return object;
    object = info.parent_id;
  }
  return 0;
}

void write_bytes(const std::string& path, const std::string& bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return;
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
}

std::string read_bytes(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return {};
  std::fseek(file, 0, SEEK_END);
  std::string bytes(static_cast<std::size_t>(std::ftell(file)), '\0');
  std::fseek(file, 0, SEEK_SET);
  const std::size_t read = std::fread(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
  bytes.resize(read);
  return bytes;
}

}  // namespace bench
