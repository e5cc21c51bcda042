// Walking up an object's parents to its enclosing assembly.
#include "plugin/assembly.h"

#include <cstddef>
#include <string_view>

#include "plugin_base/host_api.h"

std::optional<viewer::ObjectId> enclosing_assembly(viewer::HostHandle host, viewer::ObjectId root,
                                                   viewer::ObjectId object) {
  constexpr std::string_view assembly_entity = "IfcElementAssembly";
  // A broken parent chain (an id 0, or one met before) ends the walk as the root does. A loop is
  // found by Brent's method: a checkpoint moved to the walk's place at every power of two steps is
  // met again inside a loop, with no memory of the ids walked (this runs for every hover event).
  viewer::ObjectId checkpoint = 0;
  std::size_t steps = 0;
  std::size_t span = 1;
  viewer::ObjectId current = object;
  while (current != root && current != 0) {
    viewer::ObjectInfo info{};
    viewer::get_object_info(host, &current, &info, 1);
    if (info.ifc_entity != nullptr && info.ifc_entity == assembly_entity) return current;
    if (++steps == span) {
      checkpoint = current;
      span *= 2;
      steps = 0;
    }
    current = info.parent_id;
    if (current == checkpoint) break;
  }
  return std::nullopt;
}
