// Process attach and detach: the host function table and the one plug-in object.
#include "platform/library_entry.h"
#include "plugin_base/host_api.h"
#include "plugin_base/plugin_instance.h"

cpp::PluginBase* plugin_instance = nullptr;

namespace platform {

void on_process_attach(ModuleHandle library) noexcept {
  viewer::resolve_host_api();
  try {
    plugin_instance = cpp::create_plugin(library);
  } catch (...) {
    // Without a plug-in object every export and callback quietly does nothing.
    plugin_instance = nullptr;
  }
}

void on_process_detach() noexcept {
  // Left set afterwards: nothing runs after the library is detached.
  delete plugin_instance;
}

}  // namespace platform
