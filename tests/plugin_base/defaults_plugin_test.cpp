// A plug-in class that overrides nothing answers every export with the framework's defaults.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/text_output.h"
#include "platform/shell_folders.h"
#include "support/host_fixture.h"

namespace {

class DefaultsPlugin : public torv_test::HostFixture {
 protected:
  static std::filesystem::path tests_folder() { return torv_test::built_folder() / "tests"; }
  void SetUp() override {
    HostFixture::SetUp();
    open_plugin((tests_folder() / ("defaults_plugin" + torv_test::library_extension())).u16string());
  }
};

TEST_F(DefaultsPlugin, AnswersVersion546) {
  const cpp::ApiVersion viewer_version{5, 41};
  cpp::ApiVersion answer{0, 0};
  exports().get_api_verion(&viewer_version, &answer);
  EXPECT_EQ(answer.major, 5);
  EXPECT_EQ(answer.minor, 46);
}

TEST_F(DefaultsPlugin, DropsAndModelLoadAreDeclined) {
  EXPECT_EQ(exports().on_drag_enter(1, 2, 3), 0);
  EXPECT_EQ(exports().on_drag_over(1, 2, 3), 0);
  EXPECT_EQ(exports().on_drop(1, 2, 3, 4), 0);
  EXPECT_FALSE(exports().on_model_load_v2(true));
  EXPECT_FALSE(exports().on_model_load_v2(false));
}

TEST_F(DefaultsPlugin, ReportsTheFrameworksInformation) {
  const cpp::PluginInfo info = viewer().plugin().info();
  EXPECT_EQ(host::utf8(info.name), "defaults.dll");
  EXPECT_FALSE(host::utf8(info.producer).empty());
  EXPECT_FALSE(host::utf8(info.web_address).empty());
  EXPECT_FALSE(host::utf8(info.email).empty());
  EXPECT_EQ(info.description, nullptr);
  EXPECT_EQ(host::utf8(info.data_folder),
            host::utf8((tests_folder() / "defaults_plugin_data").u16string() + platform::path_separator()));
}

TEST_F(DefaultsPlugin, LoadRegistersEventsAndTextsButBuildsNoRibbon) {
  viewer().load_plugin();
  EXPECT_NE(state().events.model_load, nullptr);
  EXPECT_NE(state().events.plugin_message, nullptr);
  EXPECT_TRUE(state().groups.empty());
  EXPECT_TRUE(state().buttons.empty());
  // Its data folder holds no language file, so English is asked for after the viewer's own.
  EXPECT_EQ(state().text_files_asked.size(), 2u);
  viewer().unload_plugin();
}

}  // namespace
