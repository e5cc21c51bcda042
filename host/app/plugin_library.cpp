// Finding the ten exports by name; a plug-in without all of them is refused, as a viewer would.
#include "app/plugin_library.h"

#include <stdexcept>

namespace host {
namespace {

template <class Function>
void find_export(const DynamicLibrary& library, const char* name, Function& function) {
  function = reinterpret_cast<Function>(library.symbol(name));
  if (function == nullptr) throw std::runtime_error(std::string("the plug-in does not export ") + name);
}

}  // namespace

PluginLibrary::PluginLibrary(const std::u16string& path) : library_(std::make_unique<DynamicLibrary>(path)) {
  find_export(*library_, "get_api_verion", exports_.get_api_verion);
  find_export(*library_, "get_plugin_info", exports_.get_plugin_info);
  find_export(*library_, "on_plugin_load", exports_.on_plugin_load);
  find_export(*library_, "on_plugin_unload", exports_.on_plugin_unload);
  find_export(*library_, "on_gui_colors_change", exports_.on_gui_colors_change);
  find_export(*library_, "on_drag_enter", exports_.on_drag_enter);
  find_export(*library_, "on_drag_over", exports_.on_drag_over);
  find_export(*library_, "on_drop", exports_.on_drop);
  find_export(*library_, "on_model_load_v2", exports_.on_model_load_v2);
  find_export(*library_, "on_model_save_v2", exports_.on_model_save_v2);
}

cpp::ApiVersion PluginLibrary::api_version() const {
  cpp::ApiVersion version{0, 0};
  exports_.get_api_verion(&host_api_version, &version);
  return version;
}

cpp::PluginInfo PluginLibrary::info() const {
  cpp::PluginInfo info{};
  exports_.get_plugin_info(&info);
  return info;
}

}  // namespace host
