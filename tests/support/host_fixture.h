// A test that plays the viewer in-process: the test program exports the host functions, loads
// a plug-in library by path through its exports, and runs sessions against it.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "api/host_state.h"
#include "app/viewer.h"
#include "model/generated_model.h"

namespace torv_test {

// The folder of the built library, torv-host and torv_data (test programs are in its tests/).
std::filesystem::path built_folder();
// The plug-in library built there.
std::u16string built_plugin_path();
// The data folder built beside it.
std::filesystem::path built_data_folder();
// ".so" or ".dll".
std::string library_extension();

class HostFixture : public ::testing::Test {
 protected:
  // A fresh host state with the call log on.
  void SetUp() override;
  void TearDown() override;

  // Loads the library into the process (its attach runs).
  void open_plugin(const std::u16string& path = built_plugin_path());
  // Loads the library and calls on_plugin_load, as the viewer does at start.
  void load_plugin(const std::u16string& path = built_plugin_path());
  void load_model(const std::string& generator_spec = "default");
  // Runs session lines and returns what they print; a failed command fails the test.
  std::string run_session(const std::string& script);

  host::HostState& state() { return host::host_state(); }
  host::Viewer& viewer() { return *viewer_; }
  const host::PluginExports& exports() { return viewer_->plugin().exports(); }
  // Every host function called since the last clear, by name.
  std::vector<std::string> take_calls();

 private:
  std::unique_ptr<host::Viewer> viewer_;
};

}  // namespace torv_test
