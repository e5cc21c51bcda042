// Sorting categories.
#include "categories/sort_groups.h"

#include <algorithm>

#include "platform/logical_compare.h"

void sort_groups(Groups& groups) {
  std::sort(groups.begin(), groups.end(), [](const auto& a, const auto& b) {
    if (a->is_default != b->is_default) return b->is_default;
    // The shell's comparison finds names that differ in case alone equal: their code units then
    // decide, so the list does not depend on the order the categories were found in.
    const int order = platform::compare_logical(a->name, b->name);
    return order != 0 ? order < 0 : a->name < b->name;
  });
}
