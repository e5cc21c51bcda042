// The panel's totals: objects, parts and weight per category, walked once per list and model and
// shown in the count cell's hint and in print … totals.
#include <cmath>
#include <cstdint>
#include <string>

#include "categories/category_totals.h"
#include "gui_uda/count_text.h"
#include "gui_uda/tfrm_uda.h"
#include "gui_uda/weight_list.h"
#include "platform/locale.h"
#include "toolkit/cursor.h"

namespace {

// value rounded to the given decimals, with the user's decimal separator; integer arithmetic, so
// that every build writes the same digits.
std::u16string decimal_text(double value, int decimals) {
  const double scale = decimals == 1 ? 10.0 : 100.0;
  const std::int64_t scaled = std::llround(value * scale);
  const std::uint64_t magnitude =
      scaled < 0 ? 0 - static_cast<std::uint64_t>(scaled) : static_cast<std::uint64_t>(scaled);
  const std::uint64_t unit = decimals == 1 ? 10 : 100;
  // The whole part in 64 bits, as large in the 32-bit build as elsewhere.
  const std::string whole = std::to_string(magnitude / unit);
  std::u16string fraction = count_text(static_cast<std::size_t>(magnitude % unit));
  while (fraction.size() < static_cast<std::size_t>(decimals)) fraction.insert(fraction.begin(), u'0');
  return (scaled < 0 ? u"-" : u"") + std::u16string(whole.begin(), whole.end()) + platform::decimal_separator() +
         fraction;
}

}  // namespace

const ListTotals& Tfrm_uda::totals() const {
  if (totals_) return *totals_;
  const toolkit::CursorWait wait;
  totals_ = category_totals(host_handle, plugin.all_objects_id, groups, read_weight_properties(plugin));
  return *totals_;
}

std::size_t Tfrm_uda::parts_of(const ObjectsGroup& group) const {
  for (std::size_t i = 0; i < groups.size(); ++i) {
    if (groups[i].get() == &group) return totals().of_group[i].parts;
  }
  return 0;
}

std::u16string Tfrm_uda::count_hint(int col, int row) const {
  if (col != 1 || row < 1 || static_cast<std::size_t>(row) > groups.size()) return {};
  const std::size_t index = static_cast<std::size_t>(row - 1);
  const ObjectsGroup& group = *groups[index];
  const CategoryTotals& counted = totals().of_group[index];
  std::u16string hint =
      counted_text(group.is_default ? "count_hint_default" : "count_hint", {counted.objects, counted.parts},
                   group.name, count_text(counted.objects), count_text(counted.parts));
  if (counted.kilograms) hint += text("count_hint_weight", decimal_text(*counted.kilograms / 1000.0, 2));
  return hint;
}

std::u16string Tfrm_uda::totals_listing() const {
  std::u16string listing;
  for (std::size_t i = 0; i < groups.size(); ++i) {
    const CategoryTotals& counted = totals().of_group[i];
    listing +=
        groups[i]->name + u"\t" + count_text(counted.objects) + u"\t" + count_text(counted.parts) + u"\t";
    if (counted.kilograms) listing += decimal_text(*counted.kilograms, 1);
    listing += u"\n";
  }
  return listing;
}
