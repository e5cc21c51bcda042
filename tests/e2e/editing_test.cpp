// Editing a panel's categories, and its side-car files: save, open, and the round trip through
// a model load.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/case_label.h"
#include "support/panel_fixture.h"

namespace {

using ::testing::HasSubstr;

class Editing : public torv_test::PanelFixture {
 protected:
  std::string menu() { return run_session("panel batch menu\n"); }
};

TEST_F(Editing, TheMenuEnablesWhatTheCurrentRowAllows) {
  load_model("storeys=1,assemblies=2,values=A&B \"q\": 1;B");
  run_session("click Batches\npanel batch row 1\n");
  // Nothing done yet: nothing to undo or redo; nothing shown alone: nothing to show all again.
  const std::string on_the_row =
      "menu_color\t&Choose colour\u2026\tEnter\tenabled\n"
      "menu_select\t&Select objects\tSpace\tenabled\n"
      "menu_undo\t&Undo\tCtrl+Z\tdisabled\nmenu_redo\tR&edo\tCtrl+Y\tdisabled\n";
  const std::string views =
      "menu_all\tShow a&ll\t\tdisabled\nmenu_palette\tColour all from the &palette\t\tenabled\n";
  // Add, Rename and Delete first, where they always stood; the row's colour and objects, Undo, Redo
  // and the views below them; each with its key and access key. The name's '&' is no access key.
  EXPECT_EQ(menu(),
            "menu_add\t&Add\tIns\tenabled\n"
            "menu_rename\t&Rename: \"A&&B \"q\": 1\"\tF2\tenabled\n"
            "menu_delete\t&Delete: \"A&&B \"q\": 1\"\tDel\tenabled\n" +
                on_the_row + "menu_only\tShow &only A&&B \"q\": 1\tCtrl+Space\tenabled\n" + views);
  run_session("panel batch row 3\n");
  EXPECT_EQ(menu(),
            "menu_add\t&Add\tIns\tenabled\nmenu_rename\t&Rename\tF2\tdisabled\n"
            "menu_delete\t&Delete\tDel\tdisabled\n" +
                on_the_row + "menu_only\tShow &only objects in no batch\tCtrl+Space\tenabled\n" + views);
}

struct NameCase {
  const char* label;
  std::string typed;
  std::string rows;  // after the dialog
};

void PrintTo(const NameCase& c, std::ostream* out) { *out << c.label; }

class AddDialog : public Editing, public ::testing::WithParamInterface<NameCase> {};

TEST_P(AddDialog, AcceptsOnlyANewCleanedName) {
  load_model("storeys=1,assemblies=2,values=Batch 2;Batch 10");
  run_session("click Batches\nanswer name " + GetParam().typed + "\npanel batch menu add\n");
  EXPECT_EQ(panel_rows("batch"), GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AddDialog,
    ::testing::Values(
        NameCase{"sorted_in", "batch 3",
                 "Batch 2\t1\tnone\nbatch 3\t0\tnone\nBatch 10\t1\tnone\nNo batch\t\tnone\n"},
        NameCase{"commas_and_quotes_stripped", "Bat,ch \"7\"",
                 "Batch 2\t1\tnone\nBatch 7\t0\tnone\nBatch 10\t1\tnone\nNo batch\t\tnone\n"},
        NameCase{"trimmed", "  Late  ",
                 "Batch 2\t1\tnone\nBatch 10\t1\tnone\nLate\t0\tnone\nNo batch\t\tnone\n"},
        NameCase{"other_case_is_new", "batch 2",
                 "Batch 2\t1\tnone\nbatch 2\t0\tnone\nBatch 10\t1\tnone\nNo batch\t\tnone\n"},
        NameCase{"used_name_refused", "Batch 10", "Batch 2\t1\tnone\nBatch 10\t1\tnone\nNo batch\t\tnone\n"},
        NameCase{"default_name_refused", "No batch",
                 "Batch 2\t1\tnone\nBatch 10\t1\tnone\nNo batch\t\tnone\n"},
        NameCase{"blanks_refused", "   ", "Batch 2\t1\tnone\nBatch 10\t1\tnone\nNo batch\t\tnone\n"}),
    torv_test::CaseLabel());

TEST_F(Editing, RenameKeepsTheRowsPlaceAndAddSortsAgain) {
  load_model("storeys=1,assemblies=3,values=A;B;C");
  run_session("click Batches\npanel batch row 1\nanswer name Z\npanel batch menu rename\n");
  EXPECT_EQ(panel_rows("batch"), "Z\t1\tnone\nB\t1\tnone\nC\t1\tnone\nNo batch\t\tnone\n");
  run_session("answer name D\npanel batch menu add\n");
  EXPECT_EQ(panel_rows("batch"), "B\t1\tnone\nC\t1\tnone\nD\t0\tnone\nZ\t1\tnone\nNo batch\t\tnone\n");
}

TEST_F(Editing, DeleteRecolorsItsObjectsAsTheDefaultCategory) {
  load_model("storeys=1,assemblies=2,parts=1,loose=0,values=A;B");
  run_session(
      "click Batches\nanswer color FF0000FF\npanel batch swatch 1\nanswer color FFFFFF00\npanel batch swatch "
      "3\n");
  // A's assembly and its part.
  EXPECT_THAT(run_session("print colors\n"), HasSubstr("0000FFFF\t2\n"));
  run_session("panel batch row 1\npanel batch menu delete\n");
  EXPECT_EQ(panel_rows("batch"), "B\t1\tnone\nNo batch\t\tFFFF00FF\n");
  // B has no colour: its assembly and part show their default colours over the default category's.
  EXPECT_EQ(run_session("print colors\n"),
            "FFFF00FF\t" + std::to_string(state().model.size() - 2) + "\ndefault\t2\n");
}

TEST_F(Editing, SavedCategoriesComeBackWithTheNextModelLoad) {
  load_model("storeys=1,assemblies=3,values=A;B");
  torv_test::write_file(folder_file("start.csv"), "h\r\n" + guid_of("Assembly 1") + ",Level 1, east\r\n" +
                                                      guid_of("Assembly 3") + ",Level 1, east\r\n");
  // A file whose first line is no side-car header is read once the user says so.
  run_session("click Batches\nanswer yes\nanswer open " + folder_file("start.csv").string() +
              "\npanel batch open\nanswer name Empty\npanel batch menu add\n");
  run_session("answer save " + sidecar("batching").string() + "\npanel batch save\n");
  EXPECT_EQ(torv_test::read_file(sidecar("batching")), "IFC GUID,BATCH\r\n,Empty\r\n" +
                                                           guid_of("Assembly 1") + ",Level 1, east\r\n" +
                                                           guid_of("Assembly 3") + ",Level 1, east\r\n");
  // The next load of the model reads the side-car file instead of the property.
  load_model("storeys=1,assemblies=3,values=A;B");
  EXPECT_EQ(panel_rows("batch"), "Empty\t0\tnone\nLevel 1, east\t2\tnone\nNo batch\t\tnone\n");
}

TEST_F(Editing, OpenReplacesTheCategoriesWithTheFilesOnes) {
  load_model("storeys=1,assemblies=2,values=A");
  torv_test::write_file(folder_file("other.csv"), "h\r\n" + guid_of("Assembly 2") + ",Other\r\n");
  run_session("click Batches\nanswer yes\nanswer open " + folder_file("other.csv").string() +
              "\npanel batch open\n");
  EXPECT_EQ(panel_rows("batch"), "Other\t1\tnone\nNo batch\t\tnone\n");
}

TEST_F(Editing, SavingAddsCsvUnlessTheNameEndsSo) {
  load_model("storeys=1,assemblies=1");
  run_session("click Status\nanswer save " + folder_file("x").string() + "\npanel status save\nanswer save " +
              folder_file("y.CSV").string() + "\npanel status save\n");
  EXPECT_EQ(torv_test::read_file(folder_file("x.csv")), "IFC GUID,STATUS\r\n");
  EXPECT_EQ(torv_test::read_file(folder_file("y.CSV")), "IFC GUID,STATUS\r\n");
}

TEST_F(Editing, NamesBeyondTheCodePageAreSavedAsUtf8) {
  load_model("storeys=1,assemblies=1,values=Партия 1");
  run_session("click Batches\nanswer save " + sidecar("batching").string() + "\npanel batch save\n");
  EXPECT_EQ(torv_test::read_file(sidecar("batching")),
            "\xEF\xBB\xBFIFC GUID,BATCH\r\n" + guid_of("Assembly 1") + ",Партия 1\r\n");
  load_model("storeys=1,assemblies=1,batch=none");
  EXPECT_EQ(panel_rows("batch"), "Партия 1\t1\tnone\nNo batch\t\tnone\n");
}

TEST_F(Editing, AFailedSaveSaysSoAndLeavesTheOldFile) {
  load_model("storeys=1,assemblies=1,values=A");
  torv_test::write_file(sidecar("batching"), "old contents\r\n");
  // A read-only file is not replaced; the message says which file and why.
  std::filesystem::permissions(sidecar("batching"), std::filesystem::perms::owner_read);
  run_session("click Batches\nanswer save " + sidecar("batching").string() + "\npanel batch save\n");
  ASSERT_EQ(state().desktop.messages.size(), 1u);
  // The system's reason, in the system's words, follows the file's name.
  EXPECT_THAT(
      state().desktop.messages[0],
      ::testing::MatchesRegex("message box \"TORV\" \\(error\\): The CSV file could not be saved\\. Check "
                              "that it is not open in another program and that you may write to the "
                              "folder\\.\n.*model\\.batching\\.csv: .+"));
  EXPECT_EQ(torv_test::read_file(sidecar("batching")), "old contents\r\n");
  run_session("answer save " + folder_file("no such folder/x.csv").string() + "\npanel batch save\n");
  EXPECT_EQ(state().desktop.messages.size(), 2u);
}

}  // namespace
