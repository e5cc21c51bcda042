// The records the viewer and the plug-in exchange, with the byte layout of the 32-bit viewer.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/calling_convention.h"

namespace viewer {

using HostHandle = std::uint32_t;
using ObjectId = std::uint64_t;
using HostWindow = void*;

using Callback = void(TORV_CALL*)();
using ValueCallback = void(TORV_CALL*)(std::int32_t value);
using MessageCallback = bool(TORV_CALL*)(std::int32_t first, std::int32_t second);

// Fields the plug-in does not read keep their place as reserved bytes.
struct ObjectInfo {
  ObjectId object_id;
  const char16_t* name;
  const char16_t* description;
  const char* ifc_entity;  // narrow
  std::uint32_t reserved;
  ObjectId parent_id;
};

struct ObjectInfo2 {
  ObjectId object_id;
  std::uint64_t reserved1[2];
  const char16_t* tag;
  std::uint32_t reserved2;
  const char16_t* ifc_guid;
  std::uint32_t reserved3;
};

struct PropertyQuery {
  ObjectId object_id;
  const char16_t* property_set;
  const char16_t* property;
};

// The modes of select_many: what happens to the listed objects' selection.
enum SelectMode : std::int32_t { remove_from_selection = 0, replace_selection = 1, add_to_selection = 2 };

// The group of a button that belongs to no ribbon group (the context menu's drop-down and entries).
inline constexpr std::int32_t no_ribbon_group = -1;

// get_gui_color's index of the colour of the viewer's panels.
inline constexpr std::int32_t gui_color_panel_background = 1;

enum PropertyType : std::int32_t { property_text = 0, property_integer = 2, property_boolean = 3 };

// Integers and booleans arrive as 64-bit floats like every other number.
struct PropertyResult {
  std::uint32_t reserved1[3];
  std::int32_t value_type;
  union {
    const char16_t* text;
    double number;
  } value;
  std::uint64_t reserved2;
};

struct HoverPosition {
  ObjectId object_id;
  double point[3];
};

struct BoundsBox {
  double min_x, min_y, min_z;
  double max_x, max_y, max_z;
};

struct ViewRect {
  std::int32_t left, top, right, bottom;
};

// The viewer is a 32-bit Windows program; elsewhere the same fields keep their natural alignment.
static_assert(!TORV_WIN32_LAYOUT ||
              (offsetof(ObjectInfo, name) == 8 && offsetof(ObjectInfo, description) == 12));
static_assert(!TORV_WIN32_LAYOUT ||
              (offsetof(ObjectInfo, ifc_entity) == 16 && offsetof(ObjectInfo, parent_id) == 24));
static_assert(!TORV_WIN32_LAYOUT || (sizeof(ObjectInfo) == 32));
static_assert(!TORV_WIN32_LAYOUT ||
              (offsetof(ObjectInfo2, tag) == 24 && offsetof(ObjectInfo2, ifc_guid) == 32));
static_assert(!TORV_WIN32_LAYOUT || (sizeof(ObjectInfo2) == 40));
static_assert(!TORV_WIN32_LAYOUT ||
              (offsetof(PropertyQuery, object_id) == 0 && offsetof(PropertyQuery, property_set) == 8));
static_assert(!TORV_WIN32_LAYOUT || (offsetof(PropertyQuery, property) == 12));
static_assert(!TORV_WIN32_LAYOUT ||
              (offsetof(PropertyResult, value_type) == 12 && offsetof(PropertyResult, value) == 16));
static_assert(!TORV_WIN32_LAYOUT || (sizeof(PropertyResult) == 32));
static_assert(!TORV_WIN32_LAYOUT || (offsetof(HoverPosition, object_id) == 0 && sizeof(HoverPosition) == 32));
static_assert(!TORV_WIN32_LAYOUT || (offsetof(BoundsBox, min_x) == 0 && offsetof(BoundsBox, min_y) == 8));
static_assert(!TORV_WIN32_LAYOUT || (offsetof(BoundsBox, min_z) == 16));
static_assert(!TORV_WIN32_LAYOUT || (offsetof(ViewRect, top) == 4 && offsetof(ViewRect, right) == 8));
static_assert(!TORV_WIN32_LAYOUT || (offsetof(ViewRect, bottom) == 12 && sizeof(ViewRect) == 16));

}  // namespace viewer
