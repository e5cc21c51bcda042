// Points, rectangles and colours of the widget toolkit.
#pragma once

#include <cstdint>

namespace toolkit {

// Alpha in the top byte, then red, green, blue in the low byte.
using Argb = std::uint32_t;

struct Point {
  int x = 0;
  int y = 0;
};

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  int right() const { return left + width; }
  int bottom() const { return top + height; }
  bool contains(Point point) const {
    return point.x >= left && point.x < right() && point.y >= top && point.y < bottom();
  }
};

}  // namespace toolkit
