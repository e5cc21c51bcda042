// The viewer's interface colour.
#include "gui_uda/gui_color.h"

#include "platform/system_colors.h"

toolkit::Argb gui_color_argb(std::uint32_t value) {
  const std::uint32_t top = value >> 24;
  const std::uint32_t colorref =
      top == 0x80 || top == 0xFF ? platform::system_color(static_cast<int>(value & 0xFF)) : value;
  const std::uint32_t red = colorref & 0xFF;
  const std::uint32_t green = colorref >> 8 & 0xFF;
  const std::uint32_t blue = colorref >> 16 & 0xFF;
  return 0xFF000000 | red << 16 | green << 8 | blue;
}
