// The viewer's interface colour as the panels paint it.
#pragma once

#include <cstdint>

#include "toolkit/geometry.h"

// The viewer answers with a Windows colour value: red in the lowest byte, and a top byte that is no
// alpha. A top byte of 0x80 or 0xFF names the system colour whose index is in the lowest byte.
toolkit::Argb gui_color_argb(std::uint32_t value);
