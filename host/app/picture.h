// Pictures the stand-in viewer draws: a form of the plug-in from its display list, and the model
// with the colours the viewer gives its objects. Written as PNG files.
#pragma once

#include <string>

#include "api/host_state.h"

namespace host {

// Throw std::runtime_error with the reason when the picture cannot be drawn or written.
void draw_form_picture(const std::string& display_list, const std::string& png_path);
void draw_model_picture(const HostState& state, const std::string& png_path, int width, int height);

}  // namespace host
