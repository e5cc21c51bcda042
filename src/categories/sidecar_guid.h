// Which GUIDs a side-car line can carry. Models from several tools give GlobalIds in other forms
// than IFC's 22 characters (UUIDs, braced or not), and those are kept; only a GUID that would cut
// or break its CSV line (a comma, a line break, a double quote) or an empty one is left out.
#pragma once

#include <string_view>

inline bool fits_a_sidecar_line(std::u16string_view guid) {
  return !guid.empty() && guid.find_first_of(u",\r\n\"") == std::u16string_view::npos;
}
