// The user's number formatting.
#pragma once

namespace platform {

// The decimal separator of the user's locale ('.' on POSIX).
char16_t decimal_separator();

}  // namespace platform
