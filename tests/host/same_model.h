// Whether two models are the same to the viewer: the tree, each object's attributes, properties
// and box. Triangles, the path and the description are not compared.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "model/model.h"
#include "platform/utf8.h"

namespace torv_test {

inline ::testing::AssertionResult same_properties(const host::Property& a, const host::Property& b) {
  if (a.property_set != b.property_set || a.name != b.name || a.kind != b.kind || a.text != b.text ||
      a.number != b.number) {
    return ::testing::AssertionFailure()
           << platform::to_utf8(a.property_set) << "/" << platform::to_utf8(a.name) << " differs from "
           << platform::to_utf8(b.property_set) << "/" << platform::to_utf8(b.name) << " (kind, text "
           << platform::to_utf8(a.text) << " / " << platform::to_utf8(b.text) << ", number " << a.number
           << " / " << b.number << ")";
  }
  return ::testing::AssertionSuccess();
}

inline ::testing::AssertionResult same_bounds(const std::optional<host::Bounds>& a,
                                              const std::optional<host::Bounds>& b) {
  if (a.has_value() != b.has_value()) return ::testing::AssertionFailure() << "one has a box, one has none";
  if (!a) return ::testing::AssertionSuccess();
  for (int axis = 0; axis < 3; ++axis) {
    if (a->min[axis] != b->min[axis] || a->max[axis] != b->max[axis]) {
      return ::testing::AssertionFailure() << "the boxes differ on axis " << axis;
    }
  }
  return ::testing::AssertionSuccess();
}

// Stops at the first object that differs, and names it.
inline ::testing::AssertionResult same_model(const host::Model& expected, const host::Model& actual) {
  if (expected.size() != actual.size()) {
    return ::testing::AssertionFailure() << expected.size() << " objects, not " << actual.size();
  }
  if (expected.children(host::all_objects_id) != actual.children(host::all_objects_id)) {
    return ::testing::AssertionFailure() << "the top-level objects differ";
  }
  for (std::size_t index = 0; index < expected.size(); ++index) {
    const host::Object& a = *expected.find(host::Model::id_at(index));
    const host::Object& b = *actual.find(host::Model::id_at(index));
    const auto differs = [&](const char* what) {
      return ::testing::AssertionFailure()
             << "object @" << index << " (" << platform::to_utf8(a.guid) << "): the " << what << " differs";
    };
    if (a.parent != b.parent) return differs("parent");
    if (a.children != b.children) return differs("children");
    if (a.entity != b.entity) return differs("entity");
    if (a.name != b.name) return differs("name");
    if (a.description != b.description) return differs("description");
    if (a.tag != b.tag) return differs("tag");
    if (a.guid != b.guid) return differs("GUID");
    if (a.has_representation != b.has_representation) return differs("representation flag");
    if (const auto bounds = same_bounds(a.bounds, b.bounds); !bounds)
      return differs("box") << ": " << bounds.message();
    if (a.properties.size() != b.properties.size()) return differs("number of properties");
    for (std::size_t p = 0; p < a.properties.size(); ++p) {
      if (const auto property = same_properties(a.properties[p], b.properties[p]); !property) {
        return differs("property") << ": " << property.message();
      }
    }
  }
  return ::testing::AssertionSuccess();
}

}  // namespace torv_test
