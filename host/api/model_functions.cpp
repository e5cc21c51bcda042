// Host API, model queries: the object tree, object records, properties, user data.
#include <algorithm>
#include <cstring>

#include "api/host_functions.h"
#include "api/host_state.h"

namespace host::api {
namespace {

// Count first, then fill; a misbehaving viewer adds an unknown id, or answers more than it fills.
std::int32_t copy_ids(const std::vector<ObjectId>& ids, ObjectId* buffer, std::int32_t capacity) {
  const Misbehaviour& misbehaviour = host_state().misbehaviour;
  const std::size_t room = buffer != nullptr && capacity > 0 ? static_cast<std::size_t>(capacity) : 0;
  const std::size_t copied = std::min(ids.size(), room);
  std::copy_n(ids.begin(), copied, buffer);
  std::size_t answered = ids.size();
  if (misbehaviour.unknown_ids) {
    if (copied < room) buffer[copied] = unknown_object_id;
    ++answered;
  }
  return static_cast<std::int32_t>(answered) + misbehaviour.overstated_count;
}

const char16_t* text_or_null(const std::u16string& text) { return host_state().handed_out(text); }

std::int32_t property_type_code(PropertyKind kind) {
  switch (kind) {
    case PropertyKind::text: return property_text;
    case PropertyKind::integer: return property_integer;
    case PropertyKind::boolean: return property_boolean;
    case PropertyKind::real: return 1;
  }
  return 1;
}

}  // namespace

ObjectId get_all_objects_id(HostHandle) { return all_objects_id; }

ObjectId get_selected_id(HostHandle) { return selected_objects_id; }

std::int32_t get_selected(HostHandle, ObjectId* buffer, std::int32_t capacity) {
  const HostState& state = host_state();
  std::vector<ObjectId> ids;
  for (std::size_t i = 0; i < state.selected.size(); ++i) {
    if (state.selected[i]) ids.push_back(Model::id_at(i));
  }
  return copy_ids(ids, buffer, capacity);
}

std::int32_t get_childs(HostHandle, ObjectId id, ObjectId* buffer, std::int32_t capacity) {
  const Model& model = host_state().model;
  // Objects it does not know have no children, not even unknown ones.
  if (id != all_objects_id && model.find(id) == nullptr) return 0;
  return copy_ids(model.children(id), buffer, capacity);
}

void get_object_info(HostHandle, const ObjectId* ids, ObjectInfo* infos, std::int32_t count) {
  const HostState& state = host_state();
  const Model& model = state.model;
  for (std::int32_t i = 0; i < count; ++i) {
    ObjectInfo& info = infos[i];
    info = ObjectInfo{};
    info.object_id = ids[i];
    // An id that names no object answers as an object without data just below the root.
    info.parent_id = ids[i] == all_objects_id ? 0 : all_objects_id;
    if (const Object* object = model.find(ids[i])) {
      info.name = text_or_null(object->name);
      info.description = text_or_null(object->description);
      info.ifc_entity = state.handed_out(object->entity);
      info.parent_id = object->parent;
    }
    if (const auto reported = state.reported_parents.find(ids[i]); reported != state.reported_parents.end()) {
      info.parent_id = reported->second;
    }
  }
}

void get_object_info2(HostHandle, const ObjectId* ids, ObjectInfo2* infos, std::int32_t count) {
  const Model& model = host_state().model;
  for (std::int32_t i = 0; i < count; ++i) {
    ObjectInfo2& info = infos[i];
    info = ObjectInfo2{};
    info.object_id = ids[i];
    if (const Object* object = model.find(ids[i])) {
      info.tag = text_or_null(object->tag);
      info.ifc_guid = text_or_null(object->guid);
    }
  }
}

bool has_representation(HostHandle, ObjectId id) {
  const Object* object = host_state().model.find(id);
  return object != nullptr && object->has_representation;
}

bool get_bounds(HostHandle, ObjectId id, BoundsBox* box) {
  const Object* object = host_state().model.find(id);
  if (object == nullptr || !object->bounds || box == nullptr) return false;
  const Bounds& bounds = *object->bounds;
  *box = BoundsBox{bounds.min[0], bounds.min[1], bounds.min[2], bounds.max[0], bounds.max[1], bounds.max[2]};
  return true;
}

ObjectId calculate_object_id(HostHandle, const char* ifc_guid) {
  if (ifc_guid == nullptr) return 0;
  // One buffer for every call, its bytes widened one by one: a side-car load asks once per line.
  static std::u16string guid;
  guid.assign(ifc_guid, ifc_guid + std::strlen(ifc_guid));
  const ObjectId id = host_state().model.find_by_guid(guid);
  return id == 0 && host_state().misbehaviour.unknown_ids ? unknown_object_id : id;
}

std::int32_t filter_properties(HostHandle, const PropertyQuery* query, PropertyResult* result, bool) {
  if (query == nullptr || result == nullptr) return 0;
  const Object* object = host_state().model.find(query->object_id);
  if (object == nullptr || query->property_set == nullptr || query->property == nullptr) return 0;
  for (const Property& property : object->properties) {
    if (property.property_set != query->property_set || property.name != query->property) continue;
    *result = PropertyResult{};
    result->value_type = property_type_code(property.kind);
    if (property.kind == PropertyKind::text) {
      result->value.text = host_state().handed_out_always(property.text);
    } else {
      result->value.number = property.number;
    }
    return 1;
  }
  return 0;
}

const char16_t* get_loaded_ifc_path(HostHandle) { return text_or_null(host_state().model.path); }

// With the flag the object and everything below it take the pointer, with the all-objects id
// every object; without it the object alone.
void set_user_data(HostHandle, ObjectId id, void* data, bool subtree) {
  HostState& state = host_state();
  if (subtree && id == all_objects_id) {
    std::fill(state.user_data.begin(), state.user_data.end(), data);
    return;
  }
  if (subtree) {
    state.tree.visit_subtree(state.model.index_of(id),
                             [&state, data](std::size_t index) { state.user_data[index] = data; });
    return;
  }
  const std::size_t index = state.model.index_of(id);
  if (index < state.user_data.size()) state.user_data[index] = data;
}

void* get_user_data(HostHandle, ObjectId id) {
  const HostState& state = host_state();
  const std::size_t index = state.model.index_of(id);
  return index < state.user_data.size() ? state.user_data[index] : nullptr;
}

}  // namespace host::api
