// The weight properties' file, read line by line.
#include "categories/weight_properties.h"

#include "categories/clean_field.h"

std::vector<WeightProperty> parse_weight_properties(std::u16string_view text) {
  std::vector<WeightProperty> found;
  while (!text.empty()) {
    const std::size_t end = text.find_first_of(u"\r\n");
    const std::u16string_view line = text.substr(0, end);
    text = end == std::u16string_view::npos ? std::u16string_view() : text.substr(end + 1);
    if (line.empty() || line.front() == u'#') continue;
    const std::size_t tab = line.find(u'\t');
    if (tab == std::u16string_view::npos) continue;
    const std::u16string_view set = trimmed_view(line.substr(0, tab));
    const std::u16string_view name = trimmed_view(line.substr(tab + 1));
    if (!set.empty() && !name.empty()) found.push_back({std::u16string(set), std::u16string(name)});
  }
  return found;
}
