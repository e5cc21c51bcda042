// The functions a plug-in library exports, each once: result, name and parameters. This one list
// declares the plug-in's exports, makes the stand-in host's lookup table, and is preprocessed by the
// build into the linker's export lists and the export check's names.
#pragma once

#include <cstdint>

#include "interface/plugin_records.h"
#include "interface/viewer_records.h"

// X(result, name, (parameters))
#define TORV_PLUGIN_EXPORTS(X)                                                                    \
  X(void, get_api_verion, (const cpp::ApiVersion* host_version, cpp::ApiVersion* plugin_version)) \
  X(void, get_plugin_info, (cpp::PluginInfo * info))                                              \
  X(void, on_plugin_load, (viewer::HostHandle host, bool flag, viewer::HostWindow window))        \
  X(void, on_plugin_unload, ())                                                                   \
  X(void, on_gui_colors_change, ())                                                               \
  X(std::int32_t, on_drag_enter, (std::int32_t first, std::int32_t second, std::int32_t third))   \
  X(std::int32_t, on_drag_over, (std::int32_t first, std::int32_t second, std::int32_t third))    \
  X(std::int32_t, on_drop,                                                                        \
    (std::int32_t first, std::int32_t second, std::int32_t third, std::int32_t fourth))           \
  X(bool, on_model_load_v2, (bool flag))                                                          \
  X(void, on_model_save_v2, ())
