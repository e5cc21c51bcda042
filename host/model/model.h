// The stand-in viewer's model: objects in a tree under the all-objects root, with the attributes
// the viewer reports (entity, name, description, tag, GUID, properties, geometry).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/guid_index.h"

namespace host {

using ObjectId = std::uint64_t;

// The two pseudo-identifiers, and the first real object id: above 32 bits, so that a plug-in
// that cuts ids to 32 bits loses its objects at once.
inline constexpr ObjectId all_objects_id = 0x7FFF'FFFF'0000'0001;
inline constexpr ObjectId selected_objects_id = 0x7FFF'FFFF'0000'0002;
inline constexpr ObjectId first_object_id = 0x0000'0001'0000'0001;

enum class PropertyKind { text, integer, boolean, real };

struct Property {
  std::u16string property_set;
  std::u16string name;
  PropertyKind kind = PropertyKind::text;
  std::u16string text;
  double number = 0;  // integers and booleans too, as the viewer hands them over
};

struct Bounds {
  double min[3];
  double max[3];
};

// A triangle of an object's surface, corners in metres in the model's coordinates.
struct Triangle {
  float corners[3][3];
};

// The smallest box around both.
Bounds united(const Bounds& a, const Bounds& b);

struct Object {
  ObjectId parent = all_objects_id;
  std::string entity;  // IFC entity type, e.g. "IfcElementAssembly"
  std::u16string name;
  std::u16string description;
  std::u16string tag;
  std::u16string guid;  // empty when the object has none
  std::vector<Property> properties;
  bool has_representation = false;
  std::optional<Bounds> bounds;
  // The surface the viewer draws; empty for a generated model, whose objects are their boxes.
  std::vector<Triangle> surface;
  std::vector<ObjectId> children;
};

class Model {
 public:
  // Appends an object under parent (all_objects_id for a top-level one) and returns its id.
  ObjectId add(ObjectId parent, Object object);

  // Null for an id that names no object (the root and the pseudo-identifiers included).
  const Object* find(ObjectId id) const;
  Object* find(ObjectId id);

  // The children of an object, or of the root; empty for an unknown id.
  const std::vector<ObjectId>& children(ObjectId id) const;

  // 0 when no object has this GUID.
  ObjectId find_by_guid(const std::u16string& guid) const;

  std::size_t size() const { return objects_.size(); }
  // The id of the object at position index (0 <= index < size()).
  static ObjectId id_at(std::size_t index) { return first_object_id + index; }
  // The position of an object id, or size() when it names no object.
  std::size_t index_of(ObjectId id) const;

  // The file the model was loaded from; empty for a generated model without one.
  std::u16string path;
  // What the model is, for messages: the file name or the generator's description.
  std::string description;

 private:
  std::vector<Object> objects_;
  std::vector<ObjectId> root_children_;
  GuidIndex by_guid_;
};

}  // namespace host
