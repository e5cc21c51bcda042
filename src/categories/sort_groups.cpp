// Sorting categories.
#include "categories/sort_groups.h"

#include <algorithm>

#include "platform/logical_compare.h"

void sort_groups(Groups& groups) {
  std::sort(groups.begin(), groups.end(), [](const auto& a, const auto& b) {
    if (a->is_default != b->is_default) return b->is_default;
    return platform::compare_logical(a->name, b->name) < 0;
  });
}
