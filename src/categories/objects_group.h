// ObjectsGroup: one category of a panel, and the list of them in grid order.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "interface/viewer_records.h"

// Four bytes red, green, blue, alpha; alpha 0 means no colour (the objects keep their defaults).
struct Rgba {
  std::uint8_t red = 255;
  std::uint8_t green = 255;
  std::uint8_t blue = 255;
  std::uint8_t alpha = 0;

  // The same four bytes read as one little-endian word: what the viewer's set_object_color takes.
  std::uint32_t word() const {
    return static_cast<std::uint32_t>(red) | static_cast<std::uint32_t>(green) << 8 |
           static_cast<std::uint32_t>(blue) << 16 | static_cast<std::uint32_t>(alpha) << 24;
  }
  // The colour dialog's ARGB word: alpha on top, blue in the low byte.
  std::uint32_t argb() const {
    return static_cast<std::uint32_t>(alpha) << 24 | static_cast<std::uint32_t>(red) << 16 |
           static_cast<std::uint32_t>(green) << 8 | static_cast<std::uint32_t>(blue);
  }
  static Rgba from_argb(std::uint32_t argb) {
    return {static_cast<std::uint8_t>(argb >> 16), static_cast<std::uint8_t>(argb >> 8),
            static_cast<std::uint8_t>(argb), static_cast<std::uint8_t>(argb >> 24)};
  }
  bool operator==(const Rgba&) const = default;
};

struct ObjectsGroup {
  std::u16string name;
  Rgba color;
  std::vector<viewer::ObjectId> object_ids;
  // GUIDs of side-car lines that name no object of the loaded model (an older or newer revision's
  // objects): kept with the category and written back after its objects, never counted.
  std::vector<std::u16string> absent_guids;
  bool is_default = false;
  // The context-menu entry that assigns the selection to this category; -1 until a menu is built.
  std::int32_t button_id = -1;
};

// A panel's categories in grid order: grid row r shows entry r - 1.
using Groups = std::vector<std::unique_ptr<ObjectsGroup>>;
