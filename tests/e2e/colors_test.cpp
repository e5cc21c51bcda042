// Category colours remembered by name in the panels' colour files, across models and sessions.
#include <gtest/gtest.h>

#include "support/panel_fixture.h"

namespace {

class Colors : public torv_test::PanelFixture {
 protected:
  std::filesystem::path batch_colors() const { return user_folder() / "uda4_colors.dat"; }
};

// Version 1, entries "A" (red) and "Gone" (green), in code-unit order.
const std::string stored(
    "\x01\x00\x00\x00\x02\x00\x00\x00"
    "\x01\x00\x00\x00"
    "A\x00"
    "\xFF\x00\x00\xFF"
    "\x04\x00\x00\x00"
    "G\x00o\x00n\x00"
    "e\x00"
    "\x00\xFF\x00\xFF",
    34);

TEST_F(Colors, PickingAColorCreatesTheFileWithEveryCategory) {
  load_model("storeys=1,assemblies=2,values=A;B");
  run_session("click Batches\nanswer color FF102030\npanel batch swatch 2\n");
  EXPECT_EQ(torv_test::read_file(batch_colors()), std::string("\x01\x00\x00\x00\x03\x00\x00\x00"
                                                              "\x01\x00\x00\x00"
                                                              "A\x00"
                                                              "\xFF\xFF\xFF\x00"
                                                              "\x01\x00\x00\x00"
                                                              "B\x00"
                                                              "\x10\x20\x30\xFF"
                                                              "\x08\x00\x00\x00"
                                                              "N\x00o\x00 \x00"
                                                              "b\x00"
                                                              "a\x00t\x00"
                                                              "c\x00h\x00"
                                                              "\xFF\xFF\xFF\x00",
                                                              52));
}

TEST_F(Colors, StoredColorsReachCategoriesOfTheSameName) {
  std::filesystem::create_directories(user_folder());
  torv_test::write_file(batch_colors(), stored);
  load_model("storeys=1,assemblies=2,values=A;a");
  run_session("click Batches\n");
  // "a" is not "A": a readable file that lacks a name takes the category's colour away.
  EXPECT_EQ(panel_rows("batch"), "A\t1\tFF0000FF\na\t1\tnone\nNo batch\t\tnone\n");
  // Saving keeps the names the panel does not have.
  run_session("answer color FF0000FF\npanel batch swatch 2\n");
  const std::string saved = torv_test::read_file(batch_colors());
  EXPECT_NE(saved.find(std::string("G\x00o\x00n\x00"
                                   "e\x00"
                                   "\x00\xFF\x00\xFF",
                                   12)),
            std::string::npos);
}

TEST_F(Colors, AFileCutInAnEntryChangesNothing) {
  std::filesystem::create_directories(user_folder());
  torv_test::write_file(batch_colors(), stored.substr(0, stored.size() - 3));
  load_model("storeys=1,assemblies=1,values=A");
  run_session("click Batches\n");
  EXPECT_EQ(panel_rows("batch"), "A\t1\tnone\nNo batch\t\tnone\n");
}

// A file of another version is not thrown away: it is kept as .bak before being replaced.
TEST_F(Colors, AnUnreadableFileIsKeptBeforeItIsReplaced) {
  std::filesystem::create_directories(user_folder());
  const std::string newer = "\x02" + stored.substr(1);
  torv_test::write_file(batch_colors(), newer);
  load_model("storeys=1,assemblies=1,values=A");
  run_session("click Batches\nanswer color FF00FF00\npanel batch swatch 1\n");
  EXPECT_EQ(torv_test::read_file(batch_colors().string() + ".bak"), newer);
  EXPECT_EQ(torv_test::read_file(batch_colors()).substr(0, 8),
            std::string("\x01\x00\x00\x00\x02\x00\x00\x00", 8));
}

TEST_F(Colors, RenamingStoresTheColorUnderTheNewNameToo) {
  load_model("storeys=1,assemblies=1,values=A");
  run_session(
      "click Batches\nanswer color FF00FF00\npanel batch swatch 1\npanel batch row 1\nanswer name B\n"
      "panel batch menu rename\n");
  const std::string saved = torv_test::read_file(batch_colors());
  EXPECT_NE(saved.find(std::string("A\x00\x00\xFF\x00\xFF", 6)), std::string::npos);
  EXPECT_NE(saved.find(std::string("B\x00\x00\xFF\x00\xFF", 6)), std::string::npos);
}

// The first panel reads the custom colours; the other panel's colour dialog offers them too, and
// the file keeps its bytes when nobody changed them.
TEST_F(Colors, CustomColorsOfTheFirstPanelSurviveTheSession) {
  std::filesystem::create_directories(user_folder());
  torv_test::write_file(user_folder() / "CustomColors.dat", "FF112233\r\nFF445566\r\n");
  load_model("storeys=1,assemblies=2,values=A;B");
  // From the colour field back to the custom colours, the second of them, back to the field, OK.
  run_session(
      "click Status\nclick Batches\nanswer keys {SHIFT+TAB}{SHIFT+TAB}{RIGHT}{TAB}{TAB}{ENTER}\n"
      "panel batch swatch 1\n");
  EXPECT_EQ(panel_rows("batch"), "A\t1\t445566FF\nB\t1\tnone\nNo batch\t\tnone\n");
  viewer().unload_plugin();
  EXPECT_EQ(torv_test::read_file(user_folder() / "CustomColors.dat"), "FF112233\r\nFF445566\r\n");
}

}  // namespace
