// Every change made in a panel taken back and made again: the list, the viewer's colours, the
// caption's mark and the recovery file as they were before and after the change.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/case_label.h"
#include "support/panel_fixture.h"

namespace {

using ::testing::HasSubstr;

class Undo : public torv_test::PanelFixture {
 protected:
  // Assembly 1 in A, 2 and 3 in B, A coloured; saved to the model's side-car file.
  void saved_model() {
    load_model("storeys=1,assemblies=3,values=A;B;B");
    run_session("click Batches\nanswer color FF102030\npanel batch swatch 1\nanswer save " +
                sidecar("batching").string() + "\npanel batch save\n");
  }
  // What the user sees and what would be lost: rows, the viewer's colours, the caption, and
  // whether a recovery file holds unsaved work.
  std::string state() {
    std::error_code missing;
    const bool recovery = !std::filesystem::is_empty(user_folder() / "recovery", missing) && !missing;
    const std::string printed = run_session("print panel batch\nprint colors\n");
    return printed + (recovery ? "recovery file\n" : "no recovery file\n");
  }
  std::string history() { return run_session("print history batch\n"); }
};

struct ChangeCase {
  const char* label;
  std::string before;  // run first, not part of the change
  std::string change;
  std::string undo = "panel batch undo\n";
  std::string redo = "panel batch redo\n";
};

class EveryChange : public Undo, public ::testing::WithParamInterface<ChangeCase> {};

TEST_P(EveryChange, IsUndoneToTheStateBeforeItAndRedoneToTheStateAfterIt) {
  saved_model();
  torv_test::write_file(folder_file("other.csv"),
                        "IFC GUID,BATCH\r\n" + guid_of("Assembly 2") + ",C\r\n,D\r\n");
  std::string change = GetParam().change;
  for (const auto& [mark, text] : {std::pair{std::string("G1"), guid_of("Assembly 1")},
                                   std::pair{std::string("G3"), guid_of("Assembly 3")},
                                   std::pair{std::string("OTHER"), folder_file("other.csv").string()}}) {
    for (std::size_t at = 0; (at = change.find(mark, at)) != std::string::npos;)
      change.replace(at, mark.size(), text);
  }
  run_session(GetParam().before);
  const std::string before = state();
  run_session(change);
  const std::string after = state();
  ASSERT_NE(after, before);
  run_session(GetParam().undo);
  EXPECT_EQ(state(), before);
  run_session(GetParam().redo);
  EXPECT_EQ(state(), after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EveryChange,
    ::testing::Values(ChangeCase{"assign", "", "select G1 G3\ncontext\nchoose B\n"},
                      ChangeCase{"assign_to_the_default_row", "", "select G1\ncontext\nchoose No batch\n"},
                      ChangeCase{"add", "", "answer name C\npanel batch menu add\n"},
                      ChangeCase{"rename", "", "panel batch row 1\nanswer name Z\npanel batch menu rename\n"},
                      ChangeCase{"delete", "", "panel batch row 1\npanel batch menu delete\n"},
                      ChangeCase{"color", "", "answer color FF112233\npanel batch swatch 2\n"},
                      ChangeCase{"default_row_color", "", "answer color FF445566\npanel batch swatch 3\n"},
                      ChangeCase{"no_color", "", "answer color none\npanel batch swatch 1\n"},
                      ChangeCase{"open_by_hand", "", "answer open OTHER\npanel batch open\n"},
                      ChangeCase{"keys", "panel batch row 1\n", "select G1\ncontext\nchoose B\n",
                                 "panel batch keys ^Z\n", "panel batch keys ^Y\n"},
                      ChangeCase{"keys_with_shift", "", "panel batch row 2\npanel batch menu delete\n",
                                 "panel batch keys ^Z\n", "panel batch keys ^+Z\n"}),
    torv_test::CaseLabel());

// A sequence of changes, taken back and made again in turn; a new change drops what was undone.
TEST_F(Undo, ANewChangeAfterUndoingDropsTheUndoneSteps) {
  saved_model();
  run_session("select " + guid_of("Assembly 1") +
              "\ncontext\nchoose B\npanel batch row 1\nanswer name Z\n"
              "panel batch menu rename\npanel batch row 2\npanel batch menu delete\n");
  // The colour given before the save is the first step.
  EXPECT_EQ(history(), "  start\n  colour of Z\n  assign 1 object to B\n  rename A to Z\n> delete B\n");
  run_session("panel batch undo\npanel batch undo\npanel batch undo\n");
  EXPECT_EQ(history(), "  start\n> colour of A\n  assign 1 object to B\n  rename A to Z\n  delete B\n");
  EXPECT_EQ(panel_rows("batch"), "A\t1\t102030FF\nB\t2\tnone\nNo batch\t\tnone\n");
  run_session("panel batch redo\npanel batch redo\n");
  EXPECT_EQ(panel_rows("batch"), "Z\t0\t102030FF\nB\t3\tnone\nNo batch\t\tnone\n");
  run_session("answer name C\npanel batch menu add\n");
  EXPECT_EQ(history(), "  start\n  colour of Z\n  assign 1 object to B\n  rename A to Z\n> add C\n");
  EXPECT_THAT(run_session("panel batch menu\n"),
              HasSubstr("menu_undo\t&Undo add C\tCtrl+Z\tenabled\nmenu_redo\tR&edo\tCtrl+Y\tdisabled\n"));
}

// Undoing back to what was saved clears the mark and the recovery file; undoing past a save sets
// them again.
TEST_F(Undo, TheMarkFollowsWhatWasLastSaved) {
  saved_model();
  const std::string saved = state();
  run_session("select " + guid_of("Assembly 1") + "\ncontext\nchoose B\n");
  EXPECT_THAT(state(), HasSubstr("Batches *\t"));
  run_session("panel batch undo\n");
  EXPECT_EQ(state(), saved);
  run_session("panel batch redo\nanswer save " + sidecar("batching").string() + "\npanel batch save\n");
  const std::string saved_again = state();
  EXPECT_THAT(saved_again, HasSubstr("no recovery file\n"));
  run_session("panel batch undo\n");
  EXPECT_THAT(state(), HasSubstr("Batches *\t"));
  EXPECT_THAT(state(), HasSubstr("recovery file\n"));
  run_session("panel batch redo\n");
  EXPECT_EQ(state(), saved_again);
}

// The history survives hiding and showing the panel, and ends with the model.
TEST_F(Undo, TheHistoryLastsAsLongAsTheModel) {
  saved_model();
  run_session("select " + guid_of("Assembly 1") +
              "\ncontext\nchoose B\npanel batch close\nclick Batches\n"
              "panel batch undo\n");
  EXPECT_EQ(panel_rows("batch"), "A\t1\t102030FF\nB\t2\tnone\nNo batch\t\tnone\n");
  run_session("panel batch redo\nanswer yes\n");
  load_model("storeys=1,assemblies=3,values=A;B;B");
  EXPECT_EQ(history(), "> start\n");
  EXPECT_THAT(run_session("panel batch menu\n"),
              HasSubstr("menu_undo\t&Undo\tCtrl+Z\tdisabled\nmenu_redo\tR&edo\tCtrl+Y\tdisabled\n"));
  // Ctrl+Z with nothing to undo does nothing.
  run_session("panel batch keys ^Z\n");
  EXPECT_EQ(panel_rows("batch"), "A\t0\t102030FF\nB\t3\tnone\nNo batch\t\tnone\n");
}

// Restoring unsaved changes is a step: undone, the list is the one read from the side-car file.
TEST_F(Undo, RestoringUnsavedChangesIsUndone) {
  saved_model();
  run_session("select " + guid_of("Assembly 1") + "\ncontext\nchoose B\nanswer no\nanswer yes\n");
  load_model("storeys=1,assemblies=3,values=A;B;B");
  EXPECT_EQ(history(), "  start\n> restore the unsaved changes of model.ifc\n");
  EXPECT_EQ(panel_rows("batch"), "A\t0\t102030FF\nB\t3\tnone\nNo batch\t\tnone\n");
  run_session("panel batch undo\n");
  EXPECT_EQ(panel_rows("batch"), "A\t1\t102030FF\nB\t2\tnone\nNo batch\t\tnone\n");
  EXPECT_THAT(state(), HasSubstr("Batches\t"));
}

// An assignment that hid filed parts below an assembly gives them back when it is undone.
TEST_F(Undo, AnAssignmentGivesBackThePartsItHid) {
  load_model("storeys=1,assemblies=2,parts=2,values=A;B");
  torv_test::write_file(sidecar("batching"), "IFC GUID,BATCH\r\n" + guid_of("HEA200 1") + ",C\r\n" +
                                                 guid_of("HEA200 2") + ",C\r\n" + guid_of("Assembly 2") +
                                                 ",B\r\n");
  run_session("click Batches\n");
  const std::string before = panel_rows("batch");
  EXPECT_EQ(before, "B\t1\tnone\nC\t2\tnone\nNo batch\t\tnone\n");
  run_session("select " + guid_of("Assembly 1") + "\ncontext\nchoose B\n");
  EXPECT_EQ(panel_rows("batch"), "B\t2\tnone\nC\t0\tnone\nNo batch\t\tnone\n");
  run_session("panel batch undo\n");
  EXPECT_EQ(panel_rows("batch"), before);
}

}  // namespace
