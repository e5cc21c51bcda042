// The records the plug-in's exports exchange with the viewer.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/calling_convention.h"

namespace cpp {

struct ApiVersion {
  std::int32_t major;
  std::int32_t minor;
};

// Texts stay owned by the plug-in and valid after the call; description may be null.
struct PluginInfo {
  const char16_t* name;
  const char16_t* producer;
  const char16_t* web_address;
  const char16_t* email;
  const char16_t* description;
  const char16_t* data_folder;
};

static_assert(!TORV_WIN32_LAYOUT || (sizeof(ApiVersion) == 8 && sizeof(PluginInfo) == 24));
static_assert(!TORV_WIN32_LAYOUT || offsetof(PluginInfo, data_folder) == 20);

}  // namespace cpp
