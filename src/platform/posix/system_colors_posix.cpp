// The stand-in answers with the system colours of a fresh Windows 10.
#include <array>

#include "platform/system_colors.h"

namespace platform {
namespace {

constexpr std::uint32_t rgb(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
  return red | green << 8 | blue << 16;
}

constexpr std::array<std::uint32_t, 31> windows10_colors = {
    rgb(200, 200, 200),  //  0 scroll bar
    rgb(0, 0, 0),        //  1 desktop
    rgb(153, 180, 209),  //  2 active caption
    rgb(191, 205, 219),  //  3 inactive caption
    rgb(240, 240, 240),  //  4 menu
    rgb(255, 255, 255),  //  5 window
    rgb(100, 100, 100),  //  6 window frame
    rgb(0, 0, 0),        //  7 menu text
    rgb(0, 0, 0),        //  8 window text
    rgb(0, 0, 0),        //  9 caption text
    rgb(180, 180, 180),  // 10 active border
    rgb(244, 247, 252),  // 11 inactive border
    rgb(171, 171, 171),  // 12 application workspace
    rgb(0, 120, 215),    // 13 highlight
    rgb(255, 255, 255),  // 14 highlight text
    rgb(240, 240, 240),  // 15 button face
    rgb(160, 160, 160),  // 16 button shadow
    rgb(109, 109, 109),  // 17 grey text
    rgb(0, 0, 0),        // 18 button text
    rgb(0, 0, 0),        // 19 inactive caption text
    rgb(255, 255, 255),  // 20 button highlight
    rgb(105, 105, 105),  // 21 3D dark shadow
    rgb(227, 227, 227),  // 22 3D light
    rgb(0, 0, 0),        // 23 tooltip text
    rgb(255, 255, 225),  // 24 tooltip background
    rgb(0, 0, 0),        // 25 unused
    rgb(0, 102, 204),    // 26 hot-tracked item
    rgb(185, 209, 234),  // 27 active caption gradient
    rgb(215, 228, 242),  // 28 inactive caption gradient
    rgb(51, 153, 255),   // 29 highlighted menu item
    rgb(240, 240, 240),  // 30 menu bar
};

}  // namespace

std::uint32_t system_color(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= windows10_colors.size()) return 0;
  return windows10_colors[static_cast<std::size_t>(index)];
}

}  // namespace platform
