// Which GUIDs a side-car line can carry. Models from several tools give GlobalIds in other forms
// than IFC's 22 characters (UUIDs, braced or not), and those are kept; only a GUID that would cut
// or break its CSV line (a comma, a line break, a double quote) or an empty one is left out.
#pragma once

#include <cstdint>
#include <string_view>

inline bool fits_a_sidecar_line(std::u16string_view guid) {
  // One comparison for nearly every character: this runs on every line read or written.
  constexpr std::uint64_t cutting = 1ull << u',' | 1ull << u'\r' | 1ull << u'\n' | 1ull << u'"';
  for (const char16_t c : guid) {
    if (c < 64 && (cutting >> c & 1) != 0) return false;
  }
  return !guid.empty();
}
