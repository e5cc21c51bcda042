// The "logical" order of names that the Windows shell shows: letter case ignored, runs of decimal
// digits compared by their numeric value.
#pragma once

#include <string_view>

namespace platform {

// Negative when a comes first, positive when b does, 0 when they are the same text.
int compare_logical(std::u16string_view a, std::u16string_view b);

}  // namespace platform
