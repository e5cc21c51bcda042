// Walking up an object's parents to its enclosing assembly.
#include "plugin/assembly.h"

#include <string_view>
#include <unordered_set>

#include "plugin_base/host_api.h"

std::optional<viewer::ObjectId> enclosing_assembly(viewer::HostHandle host, viewer::ObjectId root,
                                                   viewer::ObjectId object) {
  constexpr std::string_view assembly_entity = "IfcElementAssembly";
  std::unordered_set<viewer::ObjectId> met;
  viewer::ObjectId current = object;
  // A broken parent chain (an id 0, or one met before) ends the walk as the root does.
  while (current != root && current != 0 && met.insert(current).second) {
    viewer::ObjectInfo info{};
    viewer::get_object_info(host, &current, &info, 1);
    if (info.ifc_entity != nullptr && info.ifc_entity == assembly_entity) return current;
    current = info.parent_id;
  }
  return std::nullopt;
}
