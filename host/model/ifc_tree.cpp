// Parents from the IFC relations, then a depth-first walk that lists each parent before its
// children. The walk keeps its own stack: element nesting in a file can be deeper than the call
// stack allows.
#include "model/ifc_tree.h"

#include <functional>
#include <unordered_map>
#include <utility>

#include <ifcpp/IFC4/include/IfcElement.h>
#include <ifcpp/IFC4/include/IfcFeatureElementSubtraction.h>
#include <ifcpp/IFC4/include/IfcProduct.h>
#include <ifcpp/IFC4/include/IfcProject.h>
#include <ifcpp/IFC4/include/IfcRelAggregates.h>
#include <ifcpp/IFC4/include/IfcRelContainedInSpatialStructure.h>
#include <ifcpp/IFC4/include/IfcSpatialElement.h>

namespace host {
namespace {

// How an object comes under a parent; when several relations place it, the first kind wins.
enum class Link { aggregated, contained, none };

struct Node {
  shared_ptr<IfcObjectDefinition> object;
  std::size_t parent = tree_root;
  Link link = Link::none;
  bool listed = false;  // already among its parent's children
  std::vector<std::size_t> children;
};

using LinkVisitor = std::function<void(const BuildingEntity* parent, const BuildingEntity* child, Link link)>;

void visit_links(const BuildingModel& model, const LinkVisitor& visit) {
  for (const auto& [id, entity] : model.getMapIfcEntities()) {
    if (const auto* aggregates = dynamic_cast<const IfcRelAggregates*>(entity.get())) {
      for (const auto& part : aggregates->m_RelatedObjects) {
        visit(aggregates->m_RelatingObject.get(), part.get(), Link::aggregated);
      }
    } else if (const auto* contains = dynamic_cast<const IfcRelContainedInSpatialStructure*>(entity.get())) {
      for (const auto& element : contains->m_RelatedElements) {
        visit(contains->m_RelatingStructure.get(), element.get(), Link::contained);
      }
    }
  }
}

class TreeBuilder {
 public:
  explicit TreeBuilder(const BuildingModel& model) {
    for (const auto& [id, entity] : model.getMapIfcEntities()) {
      // An opening is a hole in its element, not an object of the viewer's.
      const bool product = dynamic_cast<const IfcProduct*>(entity.get()) != nullptr &&
                           dynamic_cast<const IfcFeatureElementSubtraction*>(entity.get()) == nullptr;
      if (!product && dynamic_cast<const IfcProject*>(entity.get()) == nullptr) continue;
      positions_.emplace(entity.get(), nodes_.size());
      nodes_.emplace_back().object = dynamic_pointer_cast<IfcObjectDefinition>(entity);
    }
    // A second pass lists the children: only then is each object's winning parent known.
    visit_links(model, [this](const BuildingEntity* parent, const BuildingEntity* child, Link link) {
      choose_parent(parent, child, link);
    });
    visit_links(model, [this](const BuildingEntity* parent, const BuildingEntity* child, Link link) {
      list_child(parent, child, link);
    });
  }

  std::vector<TreeEntry> walk() {
    std::vector<TreeEntry> entries;
    entries.reserve(nodes_.size());
    std::vector<std::size_t> entry_of(nodes_.size(), tree_root);
    std::vector<std::pair<std::size_t, std::size_t>> stack;  // node, entry of its parent
    const auto walk_from = [&](std::size_t top) {
      stack.emplace_back(top, tree_root);
      while (!stack.empty()) {
        const auto [node, parent_entry] = stack.back();
        stack.pop_back();
        if (entry_of[node] != tree_root) continue;  // reached again through a cycle
        entry_of[node] = entries.size();
        entries.push_back(TreeEntry{nodes_[node].object, parent_entry});
        const std::vector<std::size_t>& children = nodes_[node].children;
        for (auto child = children.rbegin(); child != children.rend(); ++child) {
          stack.emplace_back(*child, entry_of[node]);
        }
      }
    };
    for (std::size_t node = 0; node < nodes_.size(); ++node) {
      if (nodes_[node].parent == tree_root) walk_from(node);
    }
    // What is left sits in a cycle of relations: its first object becomes top-level.
    for (std::size_t node = 0; node < nodes_.size(); ++node) {
      if (entry_of[node] == tree_root) walk_from(node);
    }
    return entries;
  }

 private:
  std::size_t position(const BuildingEntity* entity) const {
    const auto found = positions_.find(entity);
    return found != positions_.end() ? found->second : tree_root;
  }

  void choose_parent(const BuildingEntity* parent, const BuildingEntity* child, Link link) {
    const std::size_t parent_node = position(parent);
    const std::size_t child_node = position(child);
    if (parent_node == tree_root || child_node == tree_root || parent_node == child_node) return;
    Node& node = nodes_[child_node];
    if (link < node.link) {
      node.parent = parent_node;
      node.link = link;
    }
  }

  void list_child(const BuildingEntity* parent, const BuildingEntity* child, Link link) {
    const std::size_t parent_node = position(parent);
    const std::size_t child_node = position(child);
    if (parent_node == tree_root || child_node == tree_root) return;
    Node& node = nodes_[child_node];
    if (node.listed || node.parent != parent_node || node.link != link) return;
    node.listed = true;
    nodes_[parent_node].children.push_back(child_node);
  }

  std::vector<Node> nodes_;
  std::unordered_map<const BuildingEntity*, std::size_t> positions_;
};

}  // namespace

std::vector<TreeEntry> ifc_object_tree(const BuildingModel& model) { return TreeBuilder(model).walk(); }

}  // namespace host
