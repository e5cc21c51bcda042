// Pictures the stand-in viewer takes: a form of the plug-in, and the model with the colours the
// viewer gives its objects. Written as PNG files.
#pragma once

#include <string>

#include "api/host_state.h"

namespace host {

// A form of the plug-in as the desktop shows it: its window (null where it has none) and its
// picture as a display list (toolkit/desktop/display_list.h).
struct ShownForm {
  void* window = nullptr;
  std::string display_list;
};

// Throw std::runtime_error with the reason when the picture cannot be drawn or written. The
// Windows build takes the form's real window as the system painted it; the Linux build draws the
// display list.
void draw_form_picture(const ShownForm& form, const std::string& png_path);
void draw_model_picture(const HostState& state, const std::string& png_path, int width, int height);

}  // namespace host
