// The system's colours of window elements (button face, window text...), by their index.
#pragma once

#include <cstdint>

namespace platform {

// The colour as a Windows colour value (red in the lowest byte); 0 for an index the system lacks.
std::uint32_t system_color(int index);

}  // namespace platform
