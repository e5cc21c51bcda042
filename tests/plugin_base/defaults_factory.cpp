// A plug-in object that overrides nothing: every export answers with the framework's default.
#include "plugin_base/plugin_instance.h"

cpp::PluginBase* cpp::create_plugin(platform::ModuleHandle module) {
  return new PluginBase(module, u"defaults.dll");
}
