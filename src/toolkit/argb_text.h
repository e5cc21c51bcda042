// The colour field's text: what the user may type (RRGGBB, #RRGGBB or AARRGGBB) and the colour it
// names.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "toolkit/geometry.h"

namespace toolkit {

// AARRGGBB, eight upper-case hexadecimal digits.
std::u16string argb_text(Argb color);
// What the field keeps of a typed text: a '#' in front, then up to eight hexadecimal digits as typed.
std::u16string clean_argb_text(std::u16string_view typed);
// RRGGBB and #RRGGBB are opaque, AARRGGBB carries its alpha; anything else names no colour.
std::optional<Argb> parse_argb_text(std::u16string_view text);

}  // namespace toolkit
