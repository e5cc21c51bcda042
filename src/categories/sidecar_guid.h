// Which GUIDs a side-car line can carry. Models from several tools give GlobalIds in other forms
// than IFC's 22 characters (UUIDs, braced or not), and those are kept; only a GUID that would cut
// or break its CSV line (a comma, a line break, a double quote) or an empty one is left out.
#pragma once

#include <string_view>

#include "platform/code_unit_set.h"

// The characters that would cut or break a side-car line.
inline constexpr platform::CodeUnitSet sidecar_line_cutters{u',', u'\r', u'\n', u'"'};

inline bool fits_a_sidecar_line(std::u16string_view guid) {
  // One test per character, without a branch: this runs on every line read or written.
  bool cut = false;
  for (const char16_t c : guid) cut |= sidecar_line_cutters.contains(c);
  return !guid.empty() && !cut;
}
