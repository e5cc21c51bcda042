// The stand-in uses the C locale's separator, so texts are the same on every machine.
#include "platform/locale.h"

namespace platform {

char16_t decimal_separator() { return u'.'; }

}  // namespace platform
