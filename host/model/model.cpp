// The model's object store: a vector indexed by id, children kept in insertion order.
#include "model/model.h"

#include <algorithm>

namespace host {

Bounds united(const Bounds& a, const Bounds& b) {
  Bounds result = a;
  for (int axis = 0; axis < 3; ++axis) {
    result.min[axis] = std::min(a.min[axis], b.min[axis]);
    result.max[axis] = std::max(a.max[axis], b.max[axis]);
  }
  return result;
}

ObjectId Model::add(ObjectId parent, Object object) {
  const ObjectId id = id_at(objects_.size());
  if (find(parent) == nullptr) parent = all_objects_id;
  object.parent = parent;
  if (!object.guid.empty()) by_guid_.add(object.guid, id);
  objects_.push_back(std::move(object));
  // The push may have moved the objects, so the parent is looked up again.
  (parent == all_objects_id ? root_children_ : objects_[index_of(parent)].children).push_back(id);
  return id;
}

std::size_t Model::index_of(ObjectId id) const {
  if (id < first_object_id || id - first_object_id >= objects_.size()) return objects_.size();
  return static_cast<std::size_t>(id - first_object_id);
}

const Object* Model::find(ObjectId id) const {
  const std::size_t index = index_of(id);
  return index < objects_.size() ? &objects_[index] : nullptr;
}

Object* Model::find(ObjectId id) {
  const std::size_t index = index_of(id);
  return index < objects_.size() ? &objects_[index] : nullptr;
}

const std::vector<ObjectId>& Model::children(ObjectId id) const {
  static const std::vector<ObjectId> none;
  if (id == all_objects_id) return root_children_;
  const Object* object = find(id);
  return object != nullptr ? object->children : none;
}

ObjectId Model::find_by_guid(const std::u16string& guid) const {
  return by_guid_.find(guid);
}

}  // namespace host
