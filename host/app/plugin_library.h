// A loaded plug-in library and its ten exports, called as the viewer calls them.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "app/dynamic_library.h"
#include "interface/plugin_exports_list.h"

namespace host {

// The plug-in's exports, found by name.
struct PluginExports {
#define TORV_PLUGIN_EXPORT_POINTER(result, name, parameters) result(TORV_CALL* name) parameters = nullptr;
  TORV_PLUGIN_EXPORTS(TORV_PLUGIN_EXPORT_POINTER)
#undef TORV_PLUGIN_EXPORT_POINTER
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
