// The layers of the tree: no include runs upward or sideways, and host/ sees of src/ only what a
// host shares with the plug-in.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "layering/include_layers.h"
#include "support/temp_folder.h"

namespace {

using torv_test::IncludeCheck;
using torv_test::Layering;

// Which folder may include which; a row may use its own folder, the ones it names, and what those
// may use in turn.
const Layering project_layering{
    {
        {"platform", {}},
        {"interface", {"platform/calling_convention.h"}},
        {"simple_io", {"platform"}},
        {"toolkit", {"platform", "simple_io", "interface"}},
        {"plugin_base", {"platform", "simple_io", "interface"}},
        {"categories", {"plugin_base", "platform"}},
        {"gui_add_category", {"categories", "toolkit", "plugin_base", "platform"}},
        {"gui_uda", {"gui_add_category", "categories", "toolkit", "plugin_base", "simple_io", "platform"}},
        {"plugin",
         {"gui_uda", "gui_add_category", "categories", "toolkit", "plugin_base", "simple_io", "platform"}},
    },
    {"host", {"interface", "simple_io", "platform/utf8.h", "platform/file_identity.h"}},
};

std::string faults_text(const IncludeCheck& check) {
  std::string text;
  for (const torv_test::IncludeFault& fault : check.faults) text += to_string(fault) + "\n";
  return text;
}

TEST(Layering, EveryIncludeOfTheTreeKeepsToItsLayer) {
  const IncludeCheck check =
      torv_test::check_include_layers(TORV_SOURCE_DIR, project_layering, TORV_GENERATED_DIR);
  EXPECT_GT(check.files_read, 200u) << "the tree was not found at " << TORV_SOURCE_DIR;
  EXPECT_TRUE(check.faults.empty()) << faults_text(check);
}

// One include planted into a small tree that otherwise keeps its layers.
struct PlantedInclude {
  const char* name;
  const char* file;
  const char* include;
  bool allowed;
};

const PlantedInclude planted_includes[] = {
    {"upward_from_categories_to_gui_uda", "src/categories/walk.h", "gui_uda/tfrm_uda.h", false},
    {"upward_from_gui_uda_to_plugin", "src/gui_uda/grid.cpp", "plugin/plugin.h", false},
    {"sideways_from_toolkit_to_plugin_base", "src/toolkit/form.cpp", "plugin_base/host_api.h", false},
    {"from_platform_to_anything", "src/platform/utf8.cpp", "simple_io/in_file.h", false},
    {"from_interface_to_a_platform_service", "src/interface/viewer_records.h", "platform/utf8.h", false},
    {"from_src_into_host", "src/plugin/plugin.cpp", "api/host_state.h", false},
    {"from_host_to_the_plugins_inside", "host/app/viewer.cpp", "plugin_base/host_api.h", false},
    {"from_host_to_a_platform_service", "host/app/viewer.cpp", "platform/module_file.h", false},
    {"to_a_file_that_is_not_there", "host/app/viewer.cpp", "interface/missing.h", false},
    {"from_host_to_the_interface", "host/api/host_state.h", "interface/viewer_records.h", true},
    {"from_host_to_the_utf8_helpers", "host/app/viewer.cpp", "platform/utf8.h", true},
    {"from_host_to_its_own_folders", "host/app/viewer.cpp", "api/host_state.h", true},
    {"from_categories_to_the_interface_below_plugin_base", "src/categories/walk.h",
     "interface/viewer_records.h", true},
    {"from_interface_to_the_calling_convention", "src/interface/viewer_records.h",
     "platform/calling_convention.h", true},
};

class Planted : public testing::TestWithParam<PlantedInclude> {};

TEST_P(Planted, IsFoundOnlyWhereItCrossesALayer) {
  const PlantedInclude& planted = GetParam();
  torv_test::TempFolder tree;
  for (const char* file : {"src/gui_uda/tfrm_uda.h", "src/plugin/plugin.h", "src/plugin_base/host_api.h",
                           "src/simple_io/in_file.h", "src/platform/utf8.h", "src/platform/module_file.h",
                           "src/platform/calling_convention.h", "src/interface/viewer_records.h",
                           "host/api/host_state.h", planted.file}) {
    std::filesystem::create_directories((tree.path() / file).parent_path());
    torv_test::write_file(tree.path() / file, "#pragma once\n");
  }
  torv_test::write_file(tree.path() / planted.file, std::string("#include \"") + planted.include + "\"\n");

  const IncludeCheck check = torv_test::check_include_layers(tree.path(), project_layering);
  if (planted.allowed) {
    EXPECT_TRUE(check.faults.empty()) << faults_text(check);
  } else {
    ASSERT_EQ(check.faults.size(), 1u) << faults_text(check);
    EXPECT_EQ(check.faults[0].file, planted.file);
    EXPECT_EQ(check.faults[0].include, planted.include);
  }
}

INSTANTIATE_TEST_SUITE_P(Includes, Planted, testing::ValuesIn(planted_includes),
                         [](const testing::TestParamInfo<PlantedInclude>& param) {
                           return param.param.name;
                         });

}  // namespace
