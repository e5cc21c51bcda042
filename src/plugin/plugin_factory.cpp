// The library's plug-in object is a Plugin.
#include "plugin/plugin.h"
#include "plugin_base/plugin_instance.h"

cpp::PluginBase* cpp::create_plugin(platform::ModuleHandle module) { return new Plugin(module); }
