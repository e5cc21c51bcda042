// The buttons' images as icons for the system's buttons, made from the PNG images in this
// library's resources.
#pragma once

#include <windows.h>

#include <string_view>

namespace toolkit::win32 {

// Made on first use at the forms' scale and kept until release_button_icons (at a change of scale
// too); null when the library has no image of that name. GDI+ must be started.
HICON button_icon(std::string_view name);
void release_button_icons();

}  // namespace toolkit::win32
