// The ten exports the viewer calls. Each forwards to plugin_instance inside a guard, so nothing
// is ever thrown into the viewer. Their declarations come from the exports list: a definition
// that drifts from it does not compile.
#include <cstdint>

#include "interface/plugin_exports_list.h"
#include "plugin_base/event_callbacks.h"
#include "plugin_base/guarded_call.h"

using cpp::with_plugin;

extern "C" {

#define TORV_PLUGIN_EXPORT_DECLARE(result, name, parameters) \
  TORV_PLUGIN_EXPORT result TORV_CALL name parameters;
TORV_PLUGIN_EXPORTS(TORV_PLUGIN_EXPORT_DECLARE)
#undef TORV_PLUGIN_EXPORT_DECLARE

void TORV_CALL get_api_verion(const cpp::ApiVersion* host_version, cpp::ApiVersion* plugin_version) {
  with_plugin([&](cpp::PluginBase& plugin) {
    if (plugin_version != nullptr) {
      plugin_version->major = plugin.api_major_version();
      plugin_version->minor = plugin.api_minor_version();
    }
    if (host_version != nullptr) plugin.check_host_api_version(*host_version);
  });
}

void TORV_CALL get_plugin_info(cpp::PluginInfo* info) {
  with_plugin([&](cpp::PluginBase& plugin) {
    if (info != nullptr) plugin.get_plugin_info(*info);
  });
}

void TORV_CALL on_plugin_load(viewer::HostHandle host, bool flag, viewer::HostWindow window) {
  with_plugin([&](cpp::PluginBase& plugin) {
    // The plug-in hands the button callback to the viewer from inside its on_plugin_load.
    plugin.button_callback = &cpp::button_clicked;
    cpp::register_early_callbacks(host);
    plugin.on_plugin_load(host, flag, window);
    cpp::register_late_callbacks(host);
  });
}

void TORV_CALL on_plugin_unload() {
  with_plugin([](cpp::PluginBase& plugin) { plugin.on_plugin_unload(); });
}

void TORV_CALL on_gui_colors_change() {
  with_plugin([](cpp::PluginBase& plugin) { plugin.on_gui_colors_change(); });
}

std::int32_t TORV_CALL on_drag_enter(std::int32_t first, std::int32_t second, std::int32_t third) {
  return with_plugin(0, [&](cpp::PluginBase& plugin) { return plugin.on_drag_enter(first, second, third); });
}

std::int32_t TORV_CALL on_drag_over(std::int32_t first, std::int32_t second, std::int32_t third) {
  return with_plugin(0, [&](cpp::PluginBase& plugin) { return plugin.on_drag_over(first, second, third); });
}

std::int32_t TORV_CALL on_drop(std::int32_t first, std::int32_t second, std::int32_t third,
                               std::int32_t fourth) {
  return with_plugin(0,
                     [&](cpp::PluginBase& plugin) { return plugin.on_drop(first, second, third, fourth); });
}

bool TORV_CALL on_model_load_v2(bool flag) {
  return with_plugin(false, [&](cpp::PluginBase& plugin) { return plugin.on_model_load_v2(flag); });
}

void TORV_CALL on_model_save_v2() {
  with_plugin([](cpp::PluginBase& plugin) { plugin.on_model_save_v2(); });
}

}  // extern "C"
