// A recovery file is read as carefully as a side-car file, and work that was in one is dropped only
// after a question: an empty or damaged recovery file, a restore undone, a file opened by hand over
// unsaved changes, an export before the panel was shown.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "support/case_label.h"
#include "support/panel_fixture.h"

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::MatchesRegex;

class Restore : public torv_test::PanelFixture {
 protected:
  static constexpr const char* spec = "storeys=1,assemblies=3,values=A;B;C";
  // Assembly 1 in A, 2 in B, 3 in C, saved; then Assembly 1 moved to B and the viewer left
  // without saving, so that the recovery file holds the change. Returns its path.
  std::filesystem::path unsaved_change() {
    load_model(spec);
    run_session("click Batches\nanswer save " + sidecar("batching").string() + "\npanel batch save\n");
    saved_ = torv_test::read_file(sidecar("batching"));
    run_session("select " + guid_of("Assembly 1") + "\ncontext\nchoose B\nanswer no\n");
    const std::vector<std::string> files = recovery_files();
    EXPECT_EQ(files.size(), 1u);
    return user_folder() / "recovery" / (files.empty() ? std::string() : files[0]);
  }
  std::vector<std::string> recovery_files() {
    std::vector<std::string> names;
    std::error_code missing;
    for (const auto& entry : std::filesystem::directory_iterator(user_folder() / "recovery", missing))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
  // The copy kept aside: the recovery file's name and ".discarded".
  std::string kept_copy() {
    for (const std::string& name : recovery_files()) {
      if (name.ends_with(".batching.csv.discarded"))
        return torv_test::read_file(user_folder() / "recovery" / name);
    }
    ADD_FAILURE() << "no kept copy";
    return {};
  }
  std::string saved_;
};

// A recovery file of nine lines whose third stops the reader: the question says so before the
// answer, Yes takes what can be read, the file is kept whole, and a save over the side-car asks.
TEST_F(Restore, APartlyReadableRecoveryFileIsSaidSoAndKeptWhole) {
  const std::filesystem::path recovery = unsaved_change();
  std::string damaged =
      "IFC GUID,BATCH\r\n" + guid_of("Assembly 1") + ",B\r\n" + guid_of("Assembly 2") + ",B\r\n";
  damaged += "cut short here\r\n";
  for (int i = 0; i < 6; ++i) damaged += guid_of("Assembly 3") + ",D\r\n";
  torv_test::write_file(recovery, damaged);
  run_session("answer yes\n");
  load_model(spec);
  EXPECT_THAT(
      state().desktop.messages.at(1),
      HasSubstr("Restore them?\nIt holds 2 lines of 9 that could be read; the whole file is kept either "
                "way.\nIf you answer No"));
  EXPECT_EQ(panel_rows("batch"), "B\t2\tnone\nNo batch\t\tnone\n");
  // Kept byte for byte, never rewritten from the two lines the list holds.
  EXPECT_EQ(kept_copy(), damaged);
  run_session("answer no\nanswer save " + sidecar("batching").string() + "\npanel batch save\n");
  EXPECT_THAT(
      state().desktop.messages.back(),
      MatchesRegex(".*The list holds only part of the restored changes; all of them are kept in "
                   ".*\\.discarded\\. Saving replaces model\\.batching\\.csv with the list shown\\. Save "
                   "anyway\\? -> no"));
  EXPECT_EQ(torv_test::read_file(sidecar("batching")), saved_);
}

// What a power loss can leave: nothing to restore, so nothing is offered; the file is kept aside.
TEST_F(Restore, AnEmptyRecoveryFileIsNotOffered) {
  const std::filesystem::path recovery = unsaved_change();
  torv_test::write_file(recovery, "");
  load_model(spec);
  EXPECT_THAT(state().desktop.messages, ElementsAre(HasSubstr("Save the changes")));
  EXPECT_EQ(panel_rows("batch"), "A\t1\tnone\nB\t1\tnone\nC\t1\tnone\nNo batch\t\tnone\n");
  EXPECT_THAT(recovery_files(), ElementsAre(MatchesRegex(".*\\.batching\\.csv\\.discarded")));
  // A save then writes the list as read, with no question.
  run_session("answer save " + sidecar("batching").string() + "\npanel batch save\n");
  EXPECT_EQ(torv_test::read_file(sidecar("batching")), saved_);
}

// Undoing a restore, or opening a file by hand over unsaved changes, takes the changes out of the
// list: they stay in a kept copy, and the user is told where.
struct DropCase {
  const char* label;
  std::string action;
};
class DroppedWork : public Restore, public ::testing::WithParamInterface<DropCase> {};

TEST_P(DroppedWork, IsKeptInACopyNamedToTheUser) {
  unsaved_change();
  run_session("answer yes\n");
  load_model(spec);
  const std::string restored = "IFC GUID,BATCH\r\n,A\r\n" + guid_of("Assembly 1") + ",B\r\n" +
                               guid_of("Assembly 2") + ",B\r\n" + guid_of("Assembly 3") + ",C\r\n";
  EXPECT_EQ(panel_rows("batch"), "A\t0\tnone\nB\t2\tnone\nC\t1\tnone\nNo batch\t\tnone\n");
  std::string action = GetParam().action;
  if (const auto at = action.find("SIDECAR"); at != std::string::npos)
    action.replace(at, 7, sidecar("batching").string());
  run_session(action);
  EXPECT_THAT(state().desktop.messages,
              ::testing::Contains(MatchesRegex(
                  "message box \"TORV\" \\(information\\): The changes that were not saved are kept in .*"
                  "\\.batching\\.csv\\.discarded\\.")));
  EXPECT_EQ(kept_copy(), restored);
}

INSTANTIATE_TEST_SUITE_P(Cases, DroppedWork,
                         ::testing::Values(DropCase{"undo_of_the_restore", "panel batch undo\n"},
                                           DropCase{"sidecar_opened_by_hand",
                                                    "answer open SIDECAR\npanel batch open\n"}),
                         torv_test::CaseLabel());

// A list that a file still holds as it was opened needs no copy when another file is opened over
// it; an edit after the opening does.
TEST_F(Restore, AListAFileStillHoldsIsNotCopied) {
  load_model(spec);
  run_session("click Batches\n");
  const std::string other = "IFC GUID,BATCH\r\n" + guid_of("Assembly 1") + ",Lot\r\n";
  torv_test::write_file(folder_file("a.csv"), other);
  torv_test::write_file(folder_file("b.csv"), other);
  const std::string open_a = "answer open " + folder_file("a.csv").string() + "\npanel batch open\n";
  const std::string open_b = "answer open " + folder_file("b.csv").string() + "\npanel batch open\n";
  run_session(open_a + open_b + open_a);
  EXPECT_THAT(state().desktop.messages, ::testing::Not(::testing::Contains(HasSubstr("are kept in"))));
  EXPECT_THAT(recovery_files(), ::testing::Not(::testing::Contains(MatchesRegex(".*\\.discarded"))));
  run_session("select " + guid_of("Assembly 2") + "\ncontext\nchoose Lot\n" + open_b);
  EXPECT_THAT(state().desktop.messages, ::testing::Contains(HasSubstr("are kept in")));
}

// An export fills the list it reports without offering unsaved changes; the panel offers them
// when it is shown.
TEST_F(Restore, AnExportLeavesTheOfferToThePanel) {
  unsaved_change();
  run_session("panel batch close\n");
  load_model(spec);
  const std::size_t before = state().desktop.messages.size();
  run_session("answer save " + folder_file("r.csv").string() + "\nclick Export\n");
  EXPECT_EQ(state().desktop.messages.size(), before);
  run_session("answer yes\nclick Batches\n");
  ASSERT_GT(state().desktop.messages.size(), before);
  EXPECT_THAT(state().desktop.messages.back(), HasSubstr("Restore them?"));
  EXPECT_EQ(panel_rows("batch"), "A\t0\tnone\nB\t2\tnone\nC\t1\tnone\nNo batch\t\tnone\n");
}

}  // namespace
