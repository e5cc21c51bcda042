// The user's system colours.
#include <windows.h>

#include "platform/system_colors.h"

namespace platform {

std::uint32_t system_color(int index) { return GetSysColor(index); }

}  // namespace platform
