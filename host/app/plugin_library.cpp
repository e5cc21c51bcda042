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
#define TORV_FIND_PLUGIN_EXPORT(result, name, parameters) find_export(*library_, #name, exports_.name);
  TORV_PLUGIN_EXPORTS(TORV_FIND_PLUGIN_EXPORT)
#undef TORV_FIND_PLUGIN_EXPORT
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
