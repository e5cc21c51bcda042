// Host API, the 3D view: colours, selection, hover, redraw.
#include <algorithm>
#include <optional>

#include "api/host_functions.h"
#include "api/host_state.h"

namespace host::api {
namespace {

// A viewer colours what it draws: with the flag, the object and everything below it (an
// assembly's parts), without it the object alone.
void set_color(ObjectId id, std::optional<std::uint32_t> color, bool subtree) {
  HostState& state = host_state();
  if (id == all_objects_id) {
    std::fill(state.colors.begin(), state.colors.end(), color);
    return;
  }
  if (subtree) {
    state.tree.visit_subtree(state.model.index_of(id),
                             [&state, color](std::size_t index) { state.colors[index] = color; });
    return;
  }
  const std::size_t index = state.model.index_of(id);
  if (index < state.colors.size()) state.colors[index] = color;
}

}  // namespace

void set_object_color(HostHandle, ObjectId id, std::uint32_t color, bool subtree) {
  set_color(id, color, subtree);
}

void set_object_default_color(HostHandle, ObjectId id, bool subtree) { set_color(id, std::nullopt, subtree); }

void select(HostHandle, ObjectId id, bool flag) {
  HostState& state = host_state();
  if (id == selected_objects_id || id == all_objects_id) {
    // The selected objects deselected, or everything selected.
    if (id == all_objects_id || !flag) std::fill(state.selected.begin(), state.selected.end(), flag);
    return;
  }
  const std::size_t index = state.model.index_of(id);
  if (index < state.selected.size()) state.selected[index] = flag;
}

void select_many(HostHandle, const ObjectId* ids, std::int32_t count, std::int32_t mode) {
  HostState& state = host_state();
  if (mode == replace_selection) std::fill(state.selected.begin(), state.selected.end(), false);
  for (std::int32_t i = 0; i < count; ++i) {
    const std::size_t index = state.model.index_of(ids[i]);
    if (index < state.selected.size()) state.selected[index] = mode != remove_from_selection;
  }
}

void apply_select_rules(HostHandle) {}

// The stand-in draws only when asked to (render); the call log shows the request.
void invalidate(HostHandle) {}

void get_hovered_pos(HostHandle, HoverPosition* position) {
  if (position == nullptr) return;
  *position = HoverPosition{};
  position->object_id = host_state().hovered;
}

void set_hover_objects(HostHandle, const ObjectId* ids, std::int32_t count) {
  HostState& state = host_state();
  state.hover_set.assign(ids, ids + std::max<std::int32_t>(count, 0));
}

std::int32_t get_draw_object_id(HostHandle) { return host_state().draw_object_id; }

}  // namespace host::api
