// The stand-in viewer with one plug-in: loads it, hands it models, unloads it, in the order a
// viewer does.
#pragma once

#include <memory>
#include <string>

#include "app/plugin_library.h"
#include "model/model.h"

namespace host {

class Viewer {
 public:
  // Loads the library; throws std::runtime_error when it cannot.
  explicit Viewer(const std::u16string& plugin_path);
  // Unloads the plug-in if it is still loaded.
  ~Viewer();
  Viewer(const Viewer&) = delete;
  Viewer& operator=(const Viewer&) = delete;

  PluginLibrary& plugin() { return *library_; }
  const std::u16string& plugin_path() const { return plugin_path_; }
  bool plugin_loaded() const { return library_ != nullptr; }

  // on_plugin_load with the host's handle and window.
  void load_plugin();
  // Fires on_model_clear when a model was loaded, replaces the model, then fires on_model_load
  // and calls on_model_load_v2.
  void load_model(Model model);
  // As the viewer closes: on_model_clear when a model was loaded, then unload_plugin.
  void close();

  // on_plugin_unload, then the library leaves the process (its process detach runs).
  void unload_plugin();

 private:
  std::u16string plugin_path_;
  std::unique_ptr<PluginLibrary> library_;
  bool model_shown_ = false;
};

}  // namespace host
