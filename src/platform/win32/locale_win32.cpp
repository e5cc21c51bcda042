// The separator the user chose in the regional settings.
#include <windows.h>

#include "platform/locale.h"

namespace platform {

char16_t decimal_separator() {
  wchar_t separator[4] = {};
  if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 4) < 2) return u'.';
  return static_cast<char16_t>(separator[0]);
}

}  // namespace platform
