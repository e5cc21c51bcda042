// The plug-in library as the viewer meets it: its exports, its callbacks and their order, its
// information and its folders, loaded by path into this program, which plays the viewer.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "api/viewer_events.h"
#include "app/text_output.h"
#include "platform/shell_folders.h"
#include "support/case_label.h"
#include "support/host_fixture.h"
#include "support/plugin_copy.h"
#include "toolkit/color_names.h"

namespace {

using ::testing::Contains;
using ::testing::ElementsAreArray;
using torv_test::HostFixture;

const std::vector<std::string> early_registrations = {"on_measure_change",
                                                      "on_model_clear",
                                                      "on_selection_change",
                                                      "on_hover",
                                                      "on_draw",
                                                      "on_draw_object_click",
                                                      "on_context_menu",
                                                      "on_gallery_item_context_menu",
                                                      "on_tab_change",
                                                      "on_tab_sheet_placement",
                                                      "on_tab_sheet_change",
                                                      "on_plugin_message",
                                                      "on_property_change",
                                                      "on_object_list_changed"};

std::vector<std::string> expected_load_calls() {
  std::vector<std::string> calls = early_registrations;
  calls.insert(calls.end(), {"get_language", "load_texts", "get_text", "create_group"});
  for (int button = 0; button < 4; ++button) {
    calls.insert(calls.end(), {"create_button", "get_text", "get_text", "set_button_text", "set_button_image",
                               "set_button_small_image"});
  }
  calls.insert(calls.end(), {"get_text", "get_text", "create_sub_button"});
  // The colour dialog's six texts, its "no colour" caption and its empty slot's name, then the name
  // of each colour it can say.
  calls.insert(calls.end(), 8 + toolkit::color_names().size(), "get_text");
  calls.insert(calls.end(), {"on_model_load", "on_save_bvf"});
  return calls;
}

using PluginEntry = HostFixture;

TEST_F(PluginEntry, AnswersVersion541WhateverTheViewerReports) {
  open_plugin();
  for (const cpp::ApiVersion viewer_version : {cpp::ApiVersion{5, 46}, {0, 0}, {6, 2}, {-1, -1}}) {
    cpp::ApiVersion answer{0, 0};
    exports().get_api_verion(&viewer_version, &answer);
    EXPECT_EQ(answer.major, 5);
    EXPECT_EQ(answer.minor, 41);
  }
  cpp::ApiVersion answer{0, 0};
  exports().get_api_verion(nullptr, &answer);
  EXPECT_EQ(answer.minor, 41);
}

TEST_F(PluginEntry, ReportsItsInformationBeforeAndAfterLoad) {
  open_plugin();
  const std::u16string data_folder = torv_test::built_data_folder().u16string() + platform::path_separator();
  for (int round = 0; round < 2; ++round) {
    const cpp::PluginInfo info = viewer().plugin().info();
    EXPECT_EQ(host::utf8(info.name), "KVT");
    EXPECT_FALSE(host::utf8(info.producer).empty());
    EXPECT_FALSE(host::utf8(info.web_address).empty());
    EXPECT_FALSE(host::utf8(info.email).empty());
    EXPECT_THAT(host::utf8(info.description), ::testing::HasSubstr(" \u2013 "));
    EXPECT_EQ(host::utf8(info.data_folder), host::utf8(data_folder));
    viewer().load_plugin();
  }
}

TEST_F(PluginEntry, RegistersCallbacksAroundItsOwnLoadInOrder) {
  load_plugin();
  EXPECT_THAT(take_calls(), ElementsAreArray(expected_load_calls()));
}

TEST_F(PluginEntry, HandsTheButtonCallbackToEveryRibbonButton) {
  load_plugin();
  ASSERT_EQ(state().groups.size(), 1u);
  ASSERT_EQ(state().groups[0].buttons.size(), 4u);
  const viewer::Callback callback = state().find_button(state().groups[0].buttons[0])->callback;
  ASSERT_NE(callback, nullptr);
  for (const std::int32_t id : state().groups[0].buttons)
    EXPECT_EQ(state().find_button(id)->callback, callback);
  take_calls();
  ASSERT_TRUE(host::click_button(state().groups[0].buttons[2]));
  EXPECT_THAT(take_calls(), Contains("clicked_button"));
}

// Each callback the plug-in registers runs its own operation once, with the value the viewer gives:
// the recording plug-in asks the viewer for a "language file" named after each operation it runs.
TEST_F(PluginEntry, EveryRegisteredEventReachesItsOwnOperation) {
  load_plugin((torv_test::built_folder() / "tests" / ("recording_plugin" + torv_test::library_extension()))
                  .u16string());
  state().text_files_asked.clear();
  state().draw_object_id = 12;
  state().clicked_button = 34;
  const host::EventCallbacks events = state().events;
  for (const viewer::Callback callback :
       {events.measure_change, events.model_clear, events.selection_change, events.hover, events.draw,
        events.draw_object_click, events.context_menu, events.gallery_item_context_menu, events.tab_change,
        events.property_change, events.object_list_changed, events.model_load, events.save_bvf}) {
    ASSERT_NE(callback, nullptr);
    callback();
  }
  ASSERT_NE(events.tab_sheet_placement, nullptr);
  ASSERT_NE(events.tab_sheet_change, nullptr);
  ASSERT_NE(events.plugin_message, nullptr);
  events.tab_sheet_placement(7);
  events.tab_sheet_change(-8);
  EXPECT_TRUE(events.plugin_message(5, 6));
  std::vector<std::string> operations;
  for (const std::u16string& asked : state().text_files_asked) operations.push_back(host::utf8(asked));
  EXPECT_THAT(operations, ElementsAreArray({"on_measure_change", "on_model_clear", "on_selection_change",
                                            "on_hover", "on_draw", "on_draw_object_click 12",
                                            "on_context_menu", "on_gallery_item_context_menu 34",
                                            "on_tab_change", "on_property_change", "on_object_list_changed",
                                            "on_model_load", "on_save_bvf", "on_tab_sheet_placement 7",
                                            "on_tab_sheet_change -8", "on_plugin_message 5 6"}));
}

TEST_F(PluginEntry, PluginMessageIsAlwaysAnsweredTrue) {
  load_plugin();
  ASSERT_NE(state().events.plugin_message, nullptr);
  EXPECT_TRUE(state().events.plugin_message(0, 0));
  EXPECT_TRUE(state().events.plugin_message(-1, 12345));
}

TEST_F(PluginEntry, AModelLoadRefreshesThePseudoIdentifiers) {
  load_plugin();
  take_calls();
  load_model();
  EXPECT_THAT(take_calls(), ElementsAreArray({"get_all_objects_id", "get_selected_id"}));
}

TEST_F(PluginEntry, LoadsAgainAfterBeingUnloaded) {
  load_plugin();
  viewer().unload_plugin();
  state() = host::HostState{};
  state().log_calls = true;
  load_plugin();
  EXPECT_THAT(take_calls(), ElementsAreArray(expected_load_calls()));
  EXPECT_EQ(state().groups.size(), 1u);
}

struct LibraryNameCase {
  const char* label;
  std::string file_name;
  std::string data_folder;
};

void PrintTo(const LibraryNameCase& c, std::ostream* out) { *out << c.label; }

class LibraryName : public HostFixture, public ::testing::WithParamInterface<LibraryNameCase> {};

// The folders follow the library's actual file name, and so does the language file it loads.
TEST_P(LibraryName, NamesTheDataFolder) {
  const LibraryNameCase& c = GetParam();
  if (c.file_name.find('.') == std::string::npos && torv_test::library_extension() == ".dll") {
    GTEST_SKIP() << "Windows appends .dll to a library name without a dot";
  }
  const torv_test::PluginCopy copy(c.file_name);
  copy.copy_data(c.data_folder, {"lang.en"});
  load_plugin(copy.library());
  const std::u16string expected = (copy.folder() / c.data_folder).u16string() + platform::path_separator();
  EXPECT_EQ(host::utf8(viewer().plugin().info().data_folder), host::utf8(expected));
  EXPECT_EQ(host::utf8(state().groups.at(0).caption), "Tracking");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LibraryName,
    ::testing::Values(
        LibraryNameCase{"plain", "torv" + torv_test::library_extension(), "torv_data"},
        LibraryNameCase{"several_dots", "my.plugin" + torv_test::library_extension(), "my.plugin_data"},
        LibraryNameCase{"renamed", "tracking" + torv_test::library_extension(), "tracking_data"},
        LibraryNameCase{"no_dot", "torv", "torv_data"}),
    torv_test::CaseLabel());

}  // namespace
