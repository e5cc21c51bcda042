// Where an object's weight is read: property set and property pairs, the first one an object
// carries giving its weight in kilograms.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct WeightProperty {
  std::u16string property_set;
  std::u16string property;
};

// One "set<TAB>property" a line; blank lines and lines starting with # are skipped, and so is a
// line without a tab.
std::vector<WeightProperty> parse_weight_properties(std::u16string_view text);
