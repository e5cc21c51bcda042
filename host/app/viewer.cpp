// The viewer's side of a plug-in's life.
#include "app/viewer.h"

#include "api/host_state.h"
#include "api/viewer_events.h"
#include "app/host_platform.h"

namespace host {

Viewer::Viewer(const std::u16string& plugin_path)
    : plugin_path_(plugin_path), library_(std::make_unique<PluginLibrary>(plugin_path)) {}

Viewer::~Viewer() { unload_plugin(); }

void Viewer::load_plugin() {
  HostState& state = host_state();
  // Without a main window of its own the stand-in gives a handle that the plug-in only passes on.
  void* window = main_window();
  library_->exports().on_plugin_load(state.handle, true, window != nullptr ? window : &state);
}

void Viewer::load_model(Model model) {
  if (model_shown_) fire_model_clear();
  host_state().set_model(std::move(model));
  model_shown_ = true;
  fire_model_load();
  if (library_) library_->exports().on_model_load_v2(false);
}

void Viewer::close() {
  if (!library_) return;
  if (model_shown_) fire_model_clear();
  unload_plugin();
}

void Viewer::unload_plugin() {
  if (!library_) return;
  library_->exports().on_plugin_unload();
  library_.reset();
  // The plug-in's code is gone: nothing it registered may be called any more.
  HostState& state = host_state();
  state.events = EventCallbacks{};
  for (RibbonButton& button : state.buttons) button.callback = nullptr;
}

}  // namespace host
