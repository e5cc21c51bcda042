// The library's one plug-in object, and how the library makes it.
#pragma once

#include "platform/module_handle.h"
#include "plugin_base/plugin_base.h"

// Set once at process attach, deleted at process detach; every export and callback reaches the
// plug-in through it.
extern cpp::PluginBase* plugin_instance;

namespace cpp {

// Defined by the plug-in library: builds its plug-in object for the library's own module.
PluginBase* create_plugin(platform::ModuleHandle module);

}  // namespace cpp
