// Colours as the session writes and reads them: the viewer's RGBA words as RRGGBBAA text, and
// the colour dialog's answer as the AARRGGBB text typed into it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace host {

// The viewer's colour word (red in the low byte) as RRGGBBAA.
std::string rgba_text(std::uint32_t rgba);
// RRGGBBAA back to the viewer's word; nothing for "none" or anything else.
std::optional<std::uint32_t> rgba_value(std::string_view text);

// What the user types into the colour dialog for AARRGGBB, RRGGBB (opaque), #RRGGBB or none (no
// colour); nothing for any other text.
std::optional<std::string> dialog_color(std::string_view answer);

}  // namespace host
