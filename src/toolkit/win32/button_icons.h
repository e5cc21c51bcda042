// The buttons' images as icons for the system's buttons, made from the PNG images in this
// library's resources.
#pragma once

#include <windows.h>

#include <string_view>

namespace toolkit::win32 {

// Made on first use for each dpi (24 pixels at 144) and kept until release_button_icons; null
// when the library has no image of that name. GDI+ must be started.
HICON button_icon(std::string_view name, int dpi);
void release_button_icons();

}  // namespace toolkit::win32
