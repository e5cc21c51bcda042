// The ten exports the viewer calls. Each forwards to plugin_instance inside a guard, so nothing
// is ever thrown into the viewer.
#include <cstdint>

#include "plugin_base/event_callbacks.h"
#include "plugin_base/guarded_call.h"

using cpp::with_plugin;

extern "C" {

TORV_PLUGIN_EXPORT void TORV_CALL get_api_verion(const cpp::ApiVersion* host_version,
                                                 cpp::ApiVersion* plugin_version) {
  with_plugin([&](cpp::PluginBase& plugin) {
    if (plugin_version != nullptr) {
      plugin_version->major = plugin.api_major_version();
      plugin_version->minor = plugin.api_minor_version();
    }
    if (host_version != nullptr) plugin.check_host_api_version(*host_version);
  });
}

TORV_PLUGIN_EXPORT void TORV_CALL get_plugin_info(cpp::PluginInfo* info) {
  with_plugin([&](cpp::PluginBase& plugin) {
    if (info != nullptr) plugin.get_plugin_info(*info);
  });
}

TORV_PLUGIN_EXPORT void TORV_CALL on_plugin_load(viewer::HostHandle host, bool flag,
                                                 viewer::HostWindow window) {
  with_plugin([&](cpp::PluginBase& plugin) {
    // The plug-in hands the button callback to the viewer from inside its on_plugin_load.
    plugin.button_callback = &cpp::button_clicked;
    cpp::register_early_callbacks(host);
    plugin.on_plugin_load(host, flag, window);
    cpp::register_late_callbacks(host);
  });
}

TORV_PLUGIN_EXPORT void TORV_CALL on_plugin_unload() {
  with_plugin([](cpp::PluginBase& plugin) { plugin.on_plugin_unload(); });
}

TORV_PLUGIN_EXPORT void TORV_CALL on_gui_colors_change() {
  with_plugin([](cpp::PluginBase& plugin) { plugin.on_gui_colors_change(); });
}

TORV_PLUGIN_EXPORT std::int32_t TORV_CALL on_drag_enter(std::int32_t first, std::int32_t second,
                                                        std::int32_t third) {
  return with_plugin(0, [&](cpp::PluginBase& plugin) { return plugin.on_drag_enter(first, second, third); });
}

TORV_PLUGIN_EXPORT std::int32_t TORV_CALL on_drag_over(std::int32_t first, std::int32_t second,
                                                       std::int32_t third) {
  return with_plugin(0, [&](cpp::PluginBase& plugin) { return plugin.on_drag_over(first, second, third); });
}

TORV_PLUGIN_EXPORT std::int32_t TORV_CALL on_drop(std::int32_t first, std::int32_t second, std::int32_t third,
                                                  std::int32_t fourth) {
  return with_plugin(0,
                     [&](cpp::PluginBase& plugin) { return plugin.on_drop(first, second, third, fourth); });
}

TORV_PLUGIN_EXPORT bool TORV_CALL on_model_load_v2(bool flag) {
  return with_plugin(false, [&](cpp::PluginBase& plugin) { return plugin.on_model_load_v2(flag); });
}

TORV_PLUGIN_EXPORT void TORV_CALL on_model_save_v2() {
  with_plugin([](cpp::PluginBase& plugin) { plugin.on_model_save_v2(); });
}

}  // extern "C"
