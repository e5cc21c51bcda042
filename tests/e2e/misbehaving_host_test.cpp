// A viewer that misbehaves: counts larger than what it fills in, ids of no object, texts empty
// or null. The plug-in goes through a whole session with both panels, neither crashing nor
// hanging, and makes what sense it can of what it is told.
#include <gtest/gtest.h>

#include "support/case_label.h"
#include "support/panel_fixture.h"

namespace {

struct MisbehaviourCase {
  const char* label;
  host::Misbehaviour misbehaviour;
  std::string batch_rows;
  std::string status_rows;
};

void PrintTo(const MisbehaviourCase& c, std::ostream* out) { *out << c.label; }

// What a viewer that behaves shows after the session: assembly 1 moved to "Welded", two colours.
const std::string as_told_batch = "A\t2\t102030FF\nB\t1\tnone\nNo batch\t\tnone\n";
const std::string as_told_status = "Erected\t0\tnone\nWelded\t1\t405060FF\nNo status\t\tnone\n";
const std::string nameless_batch = "\t\t102030FF\n";
const std::string nameless_status = "Erected\t0\tnone\nWelded\t0\t405060FF\n\t\tnone\n";

class MisbehavingHost : public torv_test::PanelFixture,
                        public ::testing::WithParamInterface<MisbehaviourCase> {
 protected:
  // The plug-in loaded afresh into a viewer that misbehaves from the start.
  void load_into_misbehaving_viewer() {
    viewer().unload_plugin();
    state() = host::HostState{};
    state().misbehaviour = GetParam().misbehaviour;
    load_plugin(plugin_path());
  }

  // Buttons by their place in the ribbon, as their captions may be empty.
  std::string click(std::size_t place) {
    return "click " + std::to_string(state().groups.at(0).buttons.at(place)) + "\n";
  }
};

TEST_P(MisbehavingHost, PanelsStillWork) {
  torv_test::write_file(folder_file("stages.csv"), "IFC GUID,STATUS\r\n,Erected\r\n,Welded\r\n");
  load_into_misbehaving_viewer();
  load_model("storeys=1,assemblies=3,parts=2,loose=1,values=A;B");
  // Objects by their place in the model: 3 is the first assembly, 4 its first part.
  run_session(
      click(0) + "answer color FF102030\npanel batch swatch 1\nselect @4\nhover @4\ncontext\nanswer save " +
      sidecar("batching").string() + "\npanel batch save\n" + click(1) + "answer open " +
      folder_file("stages.csv").string() +
      "\npanel status open\nanswer color FF405060\npanel status swatch 2\n" +
      "select @3 @4 @5\ncontext\nchoose Welded\npanel status row 2\npanel status dblclick\nanswer save " +
      sidecar("real-time").string() + "\npanel status save\nanswer save " +
      folder_file("report.csv").string() + "\n" + click(3) + click(2) + click(0) + click(1));
  EXPECT_EQ(panel_rows("batch"), GetParam().batch_rows);
  EXPECT_EQ(panel_rows("status"), GetParam().status_rows);
  viewer().unload_plugin();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MisbehavingHost,
    ::testing::Values(
        MisbehaviourCase{"well_behaved", {}, as_told_batch, as_told_status},
        MisbehaviourCase{"counts_more_than_it_fills", {.overstated_count = 3}, as_told_batch, as_told_status},
        MisbehaviourCase{"ids_of_no_object", {.unknown_ids = true}, as_told_batch, as_told_status},
        // Without the model's path there is no model, and the default categories have no name.
        MisbehaviourCase{
            "empty_texts", {.texts = host::Misbehaviour::Texts::empty}, nameless_batch, nameless_status},
        MisbehaviourCase{
            "null_texts", {.texts = host::Misbehaviour::Texts::null}, nameless_batch, nameless_status}),
    torv_test::CaseLabel());

}  // namespace
