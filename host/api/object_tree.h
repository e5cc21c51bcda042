// The model's tree as compact links between object positions, so that a walk over a subtree (an
// assembly coloured with its parts, a million objects given user data) reads a few bytes per
// object instead of each object's record.
#pragma once

#include <cstdint>
#include <vector>

#include "model/model.h"

namespace host {

class ObjectTree {
 public:
  void assign(const Model& model);

  // Calls visit(index) for the object at top and every object below it; its own stack, as a
  // model's nesting can be deeper than the call stack.
  template <class Visit>
  void visit_subtree(std::size_t top, Visit visit) const;

 private:
  static constexpr std::uint32_t none = 0xFFFF'FFFF;
  std::vector<std::uint32_t> first_child_;
  std::vector<std::uint32_t> next_sibling_;
  // Kept between walks: colouring objects one by one allocates nothing.
  mutable std::vector<std::uint32_t> stack_;
};

template <class Visit>
void ObjectTree::visit_subtree(std::size_t top, Visit visit) const {
  if (top >= first_child_.size()) return;
  visit(top);
  if (first_child_[top] == none) return;
  stack_.assign(1, first_child_[top]);
  while (!stack_.empty()) {
    const std::uint32_t index = stack_.back();
    stack_.pop_back();
    visit(index);
    if (next_sibling_[index] != none) stack_.push_back(next_sibling_[index]);
    if (first_child_[index] != none) stack_.push_back(first_child_[index]);
  }
}

}  // namespace host
