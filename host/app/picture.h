// Pictures the stand-in viewer takes: a form of the plug-in, and the model with the colours the
// viewer gives its objects. Written as PNG files.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "api/host_state.h"

namespace host {

// A form of the plug-in as the desktop shows it: its window (null where it has none) and its
// picture as a display list (toolkit/desktop/display_list.h).
struct ShownForm {
  void* window = nullptr;
  std::string display_list;
};

// Where the model is seen from: above a corner, straight down, or level from the front (looking
// along +y) or the side (along -x).
enum class ViewPoint { iso, top, front, side };

inline std::optional<ViewPoint> view_point(std::string_view name) {
  if (name == "iso") return ViewPoint::iso;
  if (name == "top") return ViewPoint::top;
  if (name == "front") return ViewPoint::front;
  if (name == "side") return ViewPoint::side;
  return std::nullopt;
}

// A category of the visible panel as the legend shows it: its swatch, name and count.
struct LegendRow {
  std::string name;
  std::string count;                  // empty for the default category
  std::optional<std::uint32_t> rgba;  // the viewer's colour word; nothing: no colour
  bool alone = false;                 // the category shown alone (its row marked in the panel)
};

struct Legend {
  std::string title;  // the model's file name
  std::vector<LegendRow> rows;
};

struct ModelPicture {
  int width = 1024;
  int height = 768;
  ViewPoint view = ViewPoint::iso;
  std::optional<Legend> legend;
};

// Throw std::runtime_error with the reason when the picture cannot be drawn or written. The
// Windows build takes the form's real window as the system painted it; the Linux build draws the
// display list.
void draw_form_picture(const ShownForm& form, const std::string& png_path);
void draw_model_picture(const HostState& state, const std::string& png_path, const ModelPicture& picture);

}  // namespace host
