// The viewer loading and unloading the plug-in again and again in one process, with a model and
// both panels in use each time: every load behaves like the first, and nothing is left behind.
#include <gtest/gtest.h>

#include <optional>

#include "api/desktop_functions.h"
#include "support/panel_fixture.h"
#include "support/process_environment.h"

namespace {

class Reload : public torv_test::PanelFixture {
 protected:
  // Both panels opened, coloured, assigned to and saved; what the viewer shows afterwards.
  std::string use_both_panels() {
    load_model("storeys=1,assemblies=3,parts=2,values=A;B");
    return run_session(
        "click Batches\nanswer color FF102030\npanel batch swatch 1\nselect " + guid_of("Assembly 1") +
        "\ncontext\nchoose B\nanswer save " + sidecar("batching").string() +
        "\npanel batch save\nclick Status\nanswer open " + folder_file("stages.csv").string() +
        "\npanel status open\nanswer color FF405060\npanel status swatch 2\nselect " + guid_of("Assembly 2") +
        "\ncontext\nchoose Welded\nanswer save " + sidecar("real-time").string() +
        "\npanel status save\nprint panel batch\nprint panel status\nprint colors\n");
  }
};

struct Load {
  std::string shown;
  std::vector<std::string> calls;
  std::string batch_file;
  std::string status_file;
  std::string batch_colors;
  // Written at unload by the panel that owns the custom colours, when they changed.
  bool custom_colors_saved = false;
};

TEST_F(Reload, AHundredLoadsInOneProcessEachBehaveLikeTheFirstAndLeakNothing) {
  torv_test::write_file(folder_file("stages.csv"), "IFC GUID,STATUS\r\n,Erected\r\n,Welded\r\n");
  viewer().unload_plugin();
  std::optional<Load> first;
  for (int load = 0; load < 100; ++load) {
    SCOPED_TRACE("load " + std::to_string(load + 1));
    // A viewer started afresh around the same process: only the library's own state could survive.
    state() = host::HostState{};
    state().log_calls = true;
    load_plugin(plugin_path());
    Load this_load;
    this_load.shown = use_both_panels();
    viewer().unload_plugin();
    this_load.calls = take_calls();
    this_load.batch_file = torv_test::read_file(sidecar("batching"));
    this_load.status_file = torv_test::read_file(sidecar("real-time"));
    this_load.batch_colors = torv_test::read_file(user_folder() / "uda4_colors.dat");
    this_load.custom_colors_saved = std::filesystem::exists(user_folder() / "CustomColors.dat");

    // The library has left the process and taken back what it gave the viewer.
    EXPECT_FALSE(torv_test::library_in_process(std::filesystem::path(plugin_path())));
    EXPECT_EQ(state().desktop.handler, nullptr);
    EXPECT_TRUE(state().desktop.messages.empty());

    if (!first) {
      first = this_load;
      // Nobody changed the custom colours: their file is not written.
      EXPECT_FALSE(first->custom_colors_saved);
      EXPECT_NE(first->shown.find("A\t1\t102030FF\nB\t2\tnone\n"), std::string::npos) << first->shown;
      EXPECT_NE(first->shown.find("Welded\t1\t405060FF"), std::string::npos) << first->shown;
    } else {
      EXPECT_EQ(this_load.shown, first->shown);
      EXPECT_EQ(this_load.calls, first->calls);
      EXPECT_EQ(this_load.batch_file, first->batch_file);
      EXPECT_EQ(this_load.status_file, first->status_file);
      EXPECT_EQ(this_load.batch_colors, first->batch_colors);
      EXPECT_EQ(this_load.custom_colors_saved, first->custom_colors_saved);
    }
    // The next load starts from the files the first one found.
    std::filesystem::remove(sidecar("batching"));
    std::filesystem::remove(sidecar("real-time"));
    std::filesystem::remove_all(user_folder());
    if (HasFailure()) break;
  }
  EXPECT_FALSE(torv_test::leak_check_finds_leaks());
}

// The viewer unloads the plug-in and loads it again while the library stays in the process: the
// panels made after the second load are captioned, headed and named as after the first.
TEST_F(Reload, PanelsAfterALoadInTheSameProcessHaveTheirTexts) {
  const std::string script = "click Batches\nprint panel batch\nclick Status\nprint panel status\n";
  load_model("storeys=1,assemblies=2,values=A;B");
  const std::string first = run_session(script);
  EXPECT_NE(first.find("Batches\tvisible\nBatch\tCount\tColour\n"), std::string::npos) << first;
  EXPECT_NE(first.find("No batch\t\tnone\n"), std::string::npos) << first;

  exports().on_plugin_unload();
  // The viewer takes the plug-in's ribbon group away with it.
  state().groups.clear();
  state().buttons.clear();
  viewer().load_plugin();
  load_model("storeys=1,assemblies=2,values=A;B");
  EXPECT_EQ(run_session(script), first);
  const std::string bottom_row = host::desktop_command("paint batch");
  EXPECT_NE(bottom_row.find(" Select objects of current row\n"), std::string::npos) << bottom_row;
}

}  // namespace
