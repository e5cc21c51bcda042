// IFC GlobalIds: 22 characters of the IFC alphabet. A side-car line holds one before its comma, so
// a GUID with a comma or a line break in it would cut the line and lose what follows.
#pragma once

#include <string_view>

inline bool is_ifc_guid_character(char16_t c) {
  return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'_' ||
         c == u'$';
}

inline bool is_ifc_guid(std::u16string_view text) {
  if (text.size() != 22) return false;
  for (const char16_t c : text) {
    if (!is_ifc_guid_character(c)) return false;
  }
  return true;
}
