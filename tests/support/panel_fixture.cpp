// The panel fixture.
#include "support/panel_fixture.h"

#include "app/text_output.h"
#include "platform/shell_folders.h"
#include "plugin_base/plugin_folders.h"
#include "support/process_environment.h"

namespace torv_test {

void PanelFixture::SetUp() {
  HostFixture::SetUp();
  // A name of its own: the plug-in's per-user folder follows the library's file name.
  base_name_ = "torv-" + folder_.path().filename().string();
  copy_ = std::make_unique<PluginCopy>(base_name_ + library_extension());
  copy_->copy_data(base_name_ + "_data", {"lang.en", "lang.de", "lang.pl", "weight_properties.txt"});
  set_environment("XDG_DATA_HOME", (folder_.path() / "user").string());
  load_plugin(copy_->library());
}

void PanelFixture::TearDown() {
  HostFixture::TearDown();
  std::error_code ignored;
  std::filesystem::remove_all(user_folder(), ignored);
}

std::filesystem::path PanelFixture::user_folder() const {
  return std::filesystem::path(plugin_folders::application_folder(
      platform::local_app_data_folder(), platform::from_utf8(base_name_), platform::path_separator()));
}

void PanelFixture::load_model(const std::string& generator_spec) {
  host::GeneratorSpec spec = host::parse_generator_spec(generator_spec);
  if (spec.path.empty()) spec.path = model_path().u16string();
  viewer().load_model(host::generate_model(spec));
}

std::filesystem::path PanelFixture::sidecar(const std::string& attribute) const {
  return folder_.path() / ("model." + attribute + ".csv");
}

std::string PanelFixture::panel_rows(const std::string& which) {
  const std::string printed = run_session("print panel " + which + "\n");
  return printed.substr(printed.find('\n', printed.find('\n') + 1) + 1);
}

std::string PanelFixture::guid_of(const std::string& name) {
  const host::Model& model = state().model;
  const std::u16string wanted = platform::from_utf8(name);
  for (std::size_t i = 0; i < model.size(); ++i) {
    const host::Object& object = *model.find(host::Model::id_at(i));
    if (object.name == wanted) return host::utf8(object.guid);
  }
  ADD_FAILURE() << "no object named " << name;
  return {};
}

}  // namespace torv_test
