// Links from each object to its first child and its next sibling, in the model's child order.
#include "api/object_tree.h"

namespace host {

void ObjectTree::assign(const Model& model) {
  first_child_.assign(model.size(), none);
  next_sibling_.assign(model.size(), none);
  for (std::size_t index = 0; index < model.size(); ++index) {
    const std::vector<ObjectId>& children = model.find(Model::id_at(index))->children;
    std::uint32_t* link = &first_child_[index];
    for (const ObjectId child : children) {
      const auto position = static_cast<std::uint32_t>(model.index_of(child));
      *link = position;
      link = &next_sibling_[position];
    }
  }
}

}  // namespace host
