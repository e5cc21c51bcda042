// A loaded plug-in library and its ten exports, called as the viewer calls them.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "app/dynamic_library.h"
#include "plugin_base/plugin_records.h"
#include "plugin_base/viewer_records.h"

namespace host {

struct PluginExports {
  void(TORV_CALL* get_api_verion)(const cpp::ApiVersion* host, cpp::ApiVersion* plugin) = nullptr;
  void(TORV_CALL* get_plugin_info)(cpp::PluginInfo* info) = nullptr;
  void(TORV_CALL* on_plugin_load)(viewer::HostHandle host, bool flag, viewer::HostWindow window) = nullptr;
  void(TORV_CALL* on_plugin_unload)() = nullptr;
  void(TORV_CALL* on_gui_colors_change)() = nullptr;
  std::int32_t(TORV_CALL* on_drag_enter)(std::int32_t, std::int32_t, std::int32_t) = nullptr;
  std::int32_t(TORV_CALL* on_drag_over)(std::int32_t, std::int32_t, std::int32_t) = nullptr;
  std::int32_t(TORV_CALL* on_drop)(std::int32_t, std::int32_t, std::int32_t, std::int32_t) = nullptr;
  bool(TORV_CALL* on_model_load_v2)(bool flag) = nullptr;
  void(TORV_CALL* on_model_save_v2)() = nullptr;
};

// The API version this viewer reports to its plug-ins.
inline constexpr cpp::ApiVersion host_api_version{5, 46};

class PluginLibrary {
 public:
  // Loads the library (its process attach runs) and finds its exports; throws std::runtime_error
  // when it cannot be loaded or lacks one of the ten.
  explicit PluginLibrary(const std::u16string& path);

  const PluginExports& exports() const { return exports_; }

  // The version the plug-in answers for this viewer's version.
  cpp::ApiVersion api_version() const;
  cpp::PluginInfo info() const;

 private:
  std::unique_ptr<DynamicLibrary> library_;
  PluginExports exports_;
};

}  // namespace host
