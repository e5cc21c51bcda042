// The separator and the paper the user chose in the regional settings.
#include <windows.h>

#include "platform/locale.h"

namespace platform {

char16_t decimal_separator() {
  wchar_t separator[4] = {};
  if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 4) < 2) return u'.';
  return static_cast<char16_t>(separator[0]);
}

int paper_size() {
  DWORD paper = 0;
  if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_IPAPERSIZE | LOCALE_RETURN_NUMBER,
                     reinterpret_cast<LPWSTR>(&paper), sizeof paper / sizeof(wchar_t)) == 0 ||
      paper == 0)
    return 9;
  return static_cast<int>(paper);
}

}  // namespace platform
