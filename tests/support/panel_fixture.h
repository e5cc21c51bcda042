// A viewer in-process with the plug-in loaded from a copy of its own, whose per-user folder
// (colour files, custom colours) is the test's alone, and with generated models whose file lies
// in the test's folder, so side-car files go there too.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "support/host_fixture.h"
#include "support/plugin_copy.h"

namespace torv_test {

class PanelFixture : public HostFixture {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Generates a model at model_path() (a path= in spec wins) and loads it.
  void load_model(const std::string& generator_spec);
  std::filesystem::path model_path() const { return folder_.path() / "model.ifc"; }
  // The side-car file of the model for "batching" or "real-time".
  std::filesystem::path sidecar(const std::string& attribute) const;
  // A file in the test's folder.
  std::filesystem::path folder_file(const std::string& name) const { return folder_.path() / name; }
  // The per-user folder of this test's plug-in.
  std::filesystem::path user_folder() const;

  // The test's own copy of the plug-in library.
  const std::u16string& plugin_path() const { return copy_->library(); }

  // A panel's rows below its caption and header line, as print panel shows them.
  std::string panel_rows(const std::string& which);

  // The GUID of the first object of the model with this name.
  std::string guid_of(const std::string& name);

 private:
  std::unique_ptr<PluginCopy> copy_;
  TempFolder folder_;
  std::string base_name_;
};

}  // namespace torv_test
