// The shell's own logical comparison, StrCmpLogicalW.
#include <windows.h>

#include <shlwapi.h>

#include <string>

#include "platform/logical_compare.h"

namespace platform {

int compare_logical(std::u16string_view a, std::u16string_view b) {
  // StrCmpLogicalW reads terminated texts, and a view need not be one.
  const std::u16string a_text(a);
  const std::u16string b_text(b);
  return StrCmpLogicalW(reinterpret_cast<const wchar_t*>(a_text.c_str()),
                        reinterpret_cast<const wchar_t*>(b_text.c_str()));
}

}  // namespace platform
