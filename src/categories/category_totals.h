// What each category of a list holds: its objects, the parts below them and their weight, and the
// same for what is in no category. One walk of the viewer's tree makes all of it; the panel keeps
// the result until its list or the model changes.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "categories/objects_group.h"
#include "categories/weight_properties.h"
#include "interface/viewer_records.h"

struct CategoryTotals {
  std::size_t objects = 0;
  std::size_t parts = 0;
  // Nothing when no object counted carries a weight, itself or below it.
  std::optional<double> kilograms;
};

struct ListTotals {
  // Parallel to the list's categories; the default category's entry holds what is in none: the
  // outermost objects (assemblies, and elements in no assembly) neither in a category nor below one.
  std::vector<CategoryTotals> of_group;
};

// An object's weight is the first weight property it carries; one that carries none weighs what
// the objects below it weigh together.
ListTotals category_totals(viewer::HostHandle host, viewer::ObjectId all_objects_id, const Groups& groups,
                           const std::vector<WeightProperty>& weights);
