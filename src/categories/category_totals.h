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
  // Each filed object's weight, parallel to the categories' object_ids; NaN where it has none.
  std::vector<std::vector<double>> object_kilograms;
};

// Counts and weighs single objects and what lies below them, its buffers kept from one to the
// next. An object's weight is the first weight property it carries; one that carries none weighs
// what the objects below it weigh together.
class ObjectMeasure {
 public:
  ObjectMeasure(viewer::HostHandle host, const std::vector<WeightProperty>& weights)
      : host_(host), weights_(weights) {}
  // Adds the object, the objects below it and its weight to totals.
  void add(viewer::ObjectId id, CategoryTotals& totals);
  std::optional<double> weight(viewer::ObjectId id) {
    CategoryTotals one;
    add(id, one);
    return one.kilograms;
  }

 private:
  struct Node {
    viewer::ObjectId id;
    std::size_t parent;
    std::optional<double> own;
    bool ignored;  // below a weighed object: counted, not weighed
    double below = 0;
    bool weighed_below = false;
    bool needs_weight() const { return !ignored && !own; }
    std::optional<double> weight() const {
      if (own) return own;
      if (weighed_below) return below;
      return std::nullopt;
    }
  };
  std::optional<double> own_weight(viewer::ObjectId id) const;

  viewer::HostHandle host_;
  const std::vector<WeightProperty>& weights_;
  std::vector<Node> nodes_;
  std::vector<viewer::ObjectId> children_;
};

ListTotals category_totals(viewer::HostHandle host, viewer::ObjectId all_objects_id, const Groups& groups,
                           const std::vector<WeightProperty>& weights);
