// A side-car file the panel could not read whole is never saved over without a question, and the
// panel says what it did not read; one file under several spellings is one file; GUIDs that would
// break a line never reach one.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/shell_folders.h"
#include "platform/utf8.h"
#include "support/case_label.h"
#include "support/panel_fixture.h"
#include "support/process_environment.h"

namespace {

using ::testing::HasSubstr;

bool on_windows() { return platform::path_separator() == u'\\'; }

class UnreadSidecar : public torv_test::PanelFixture {
 protected:
  std::string caption() {
    const std::string printed = run_session("print panel batch\n");
    return printed.substr(0, printed.find('\t'));
  }
  std::string save_to(const std::string& path) { return "answer save " + path + "\npanel batch save\n"; }
  void move_assembly_1_to_b() { run_session("select " + guid_of("Assembly 1") + "\ncontext\nchoose B\n"); }
};

struct UnreadCase {
  const char* label;
  // The side-car file's bytes, with G1 and G2 standing for the two assemblies' GUIDs.
  std::string content;
  std::string told;
};

class UnreadLines : public UnreadSidecar, public ::testing::WithParamInterface<UnreadCase> {};

std::string with_guids(std::string text, const std::string& first, const std::string& second) {
  for (const auto& [mark, guid] :
       {std::pair{std::string("G1"), first}, std::pair{std::string("G2"), second}}) {
    for (std::size_t at = 0; (at = text.find(mark, at)) != std::string::npos; at += guid.size())
      text.replace(at, mark.size(), guid);
  }
  return text;
}

// Reading stops where the file's lines stop holding a comma; what was not read is told, and a save
// over the file asks, so that the lines after the stop are not lost by one click.
TEST_P(UnreadLines, AreToldAndASaveOverTheFileAsks) {
  load_model("storeys=1,assemblies=2,values=A;B");
  const std::string content = with_guids(GetParam().content, guid_of("Assembly 1"), guid_of("Assembly 2"));
  torv_test::write_file(sidecar("batching"), content);
  run_session("click Batches\n");
  ASSERT_EQ(state().desktop.messages.size(), 1u);
  EXPECT_EQ(state().desktop.messages[0], "message box \"TORV\" (warning): " + GetParam().told);
  run_session("answer no\n" + save_to(sidecar("batching").string()));
  EXPECT_EQ(state().desktop.messages.back(),
            "question box \"TORV\": model.batching.csv was not read whole when the list was filled. Saving "
            "replaces all of it with the list shown. Save anyway? -> no");
  EXPECT_EQ(torv_test::read_file(sidecar("batching")), content);
  run_session("answer yes\n" + save_to(sidecar("batching").string()));
  EXPECT_NE(torv_test::read_file(sidecar("batching")), content);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnreadLines,
    ::testing::Values(
        UnreadCase{
            "blank_line", "IFC GUID,BATCH\r\nG1,A\r\n\r\nG2,B\r\n,C\r\n\r\n",
            "Reading model.batching.csv stopped at line 3, which has no comma: 2 lines from there on were "
            "not read."},
        UnreadCase{
            "cr_cr_lf", "IFC GUID,BATCH\r\r\nG1,A\r\r\nG2,B\r\r\n",
            "Reading model.batching.csv stopped at line 2, which has no comma: 2 lines from there on were "
            "not read."},
        UnreadCase{
            "semicolons", "IFC GUID;BATCH\r\nG1;A\r\nG2;B\r\n",
            "Reading model.batching.csv stopped at line 2, which has no comma: 2 lines from there on were "
            "not read."},
        UnreadCase{"guid_with_quotes", "IFC GUID,BATCH\r\nG1,A\r\n\"3dXy\",B\r\nG2,B\r\n",
                   "1 line of model.batching.csv holds no valid IFC GUID and was not read."}),
    torv_test::CaseLabel());

// Blank lines at the end of a file hold nothing: the file was read whole.
TEST_F(UnreadSidecar, BlankLinesAtTheEndAreNoLoss) {
  load_model("storeys=1,assemblies=2,values=A;B");
  torv_test::write_file(sidecar("batching"),
                        "IFC GUID,BATCH\r\n" + guid_of("Assembly 1") + ",A\r\n\r\n \r\n");
  run_session("click Batches\n" + save_to(sidecar("batching").string()));
  EXPECT_TRUE(state().desktop.messages.empty());
}

// A file opened by hand that cannot be read leaves the list as it was and says why.
TEST_F(UnreadSidecar, OpeningAFileThatCannotBeReadKeepsTheList) {
  load_model("storeys=1,assemblies=2,values=A;B");
  std::filesystem::create_directory(folder_file("folder.csv"));
  run_session("click Batches\nanswer open " + folder_file("folder.csv").string() + "\npanel batch open\n");
  ASSERT_EQ(state().desktop.messages.size(), 1u);
  EXPECT_THAT(
      state().desktop.messages[0],
      ::testing::MatchesRegex("message box \"TORV\" \\(warning\\): folder.csv could not be read: .+\\. "
                              "The list stays as it was\\."));
  EXPECT_EQ(panel_rows("batch"), "A\t1\tnone\nB\t1\tnone\nNo batch\t\tnone\n");
  EXPECT_EQ(caption(), "Batches");
}

// A side-car file that a spreadsheet or an editor wrote as UTF-8 without a mark keeps its letters
// through a load and a save.
TEST_F(UnreadSidecar, UnmarkedUtf8IsReadAsUtf8) {
  load_model("storeys=1,assemblies=2,values=A;B");
  torv_test::write_file(sidecar("batching"), "IFC GUID,BATCH\r\n" + guid_of("Assembly 1") + ",Łódź\r\n");
  run_session("click Batches\n" + save_to(sidecar("batching").string()));
  EXPECT_EQ(panel_rows("batch"), "Łódź\t1\tnone\nNo batch\t\tnone\n");
  // The code page cannot hold the name: the file is written as UTF-8, with its mark.
  EXPECT_EQ(torv_test::read_file(sidecar("batching")),
            "\xEF\xBB\xBFIFC GUID,BATCH\r\n" + guid_of("Assembly 1") + ",Łódź\r\n");
}

// An object whose GUID holds a comma or a line break is left out of the file, and the save says so.
TEST_F(UnreadSidecar, GuidsThatWouldBreakALineAreLeftOut) {
  load_model("storeys=1,assemblies=3,values=A");
  const std::string kept = guid_of("Assembly 3");
  for (const char* name : {"Assembly 1", "Assembly 2"}) {
    host::Object& object =
        *state().model.find(state().model.find_by_guid(platform::from_utf8(guid_of(name))));
    object.guid = std::string(name) == "Assembly 1" ? u"3dXy\r\nB,x" : u"3dXy,B";
  }
  run_session("click Batches\n" + save_to(sidecar("batching").string()));
  EXPECT_EQ(state().desktop.messages.back(),
            "message box \"TORV\" (warning): 2 objects have no valid IFC GUID and were not written to "
            "model.batching.csv.");
  EXPECT_EQ(torv_test::read_file(sidecar("batching")), "IFC GUID,BATCH\r\n" + kept + ",A\r\n");
}

// An assignment that moves nothing changes nothing to save.
TEST_F(UnreadSidecar, AnAssignmentThatMovesNothingLeavesTheCaptionUnmarked) {
  load_model("storeys=1,assemblies=2,values=A;B");
  run_session("click Batches\nselect " + guid_of("Assembly 1") + "\ncontext\nchoose A\n");
  EXPECT_EQ(caption(), "Batches");
  move_assembly_1_to_b();
  EXPECT_EQ(caption(), "Batches *");
}

// The model's side-car file named another way is the model's side-car file: saving there clears
// the mark and the recovery file, and someone else's save there is not replaced unasked.
struct Spelling {
  const char* label;
  // The side-car path as the user gives it, from the model's folder.
  std::function<std::string(const std::filesystem::path& folder)> spell;
  // Names that differ by capitals only are one file on Windows alone; Wine makes no links.
  enum class Where { everywhere, windows, posix } where = Where::everywhere;
};

class Spellings : public UnreadSidecar, public ::testing::WithParamInterface<Spelling> {};

TEST_P(Spellings, NameTheModelsSidecarFile) {
  if (GetParam().where == Spelling::Where::windows && !on_windows())
    GTEST_SKIP() << "names differ by capitals only on Windows";
  if (GetParam().where == Spelling::Where::posix && on_windows())
    GTEST_SKIP() << "a link to a folder is POSIX's";
  load_model("storeys=1,assemblies=2,values=A;B");
  const std::filesystem::path folder = sidecar("batching").parent_path();
  if (GetParam().where == Spelling::Where::posix)
    std::filesystem::create_directory_symlink(folder, folder_file("linked"));
  const std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::current_path(folder);
  const std::string spelled = GetParam().spell(folder);
  run_session("click Batches\n" + save_to(sidecar("batching").string()));
  move_assembly_1_to_b();
  ASSERT_EQ(caption(), "Batches *");
  run_session(save_to(spelled));
  EXPECT_EQ(caption(), "Batches");
  std::error_code missing;
  EXPECT_TRUE(std::filesystem::is_empty(user_folder() / "recovery", missing));
  // A colleague saves; the next save by another spelling asks.
  const std::string theirs = "IFC GUID,BATCH\r\n" + guid_of("Assembly 2") + ",Theirs\r\n";
  torv_test::write_file(sidecar("batching"), theirs);
  std::filesystem::last_write_time(sidecar("batching"),
                                   std::filesystem::file_time_type::clock::now() + std::chrono::minutes(1));
  run_session("answer no\n" + save_to(spelled));
  std::filesystem::current_path(before);
  EXPECT_THAT(state().desktop.messages.back(), HasSubstr("was changed by someone else after you opened it"));
  EXPECT_EQ(torv_test::read_file(sidecar("batching")), theirs);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Spellings,
    ::testing::Values(
        Spelling{"relative", [](const std::filesystem::path&) { return std::string("model.batching.csv"); }},
        Spelling{"dot_folder",
                 [](const std::filesystem::path& folder) {
                   return (folder / "." / "model.batching.csv").string();
                 }},
        Spelling{"linked_folder",
                 [](const std::filesystem::path& folder) {
                   return (folder / "linked" / "model.batching.csv").string();
                 },
                 Spelling::Where::posix},
        Spelling{"capitals",
                 [](const std::filesystem::path& folder) { return (folder / "MODEL.Batching.CSV").string(); },
                 Spelling::Where::windows}),
    torv_test::CaseLabel());

// An edit that keeps the file's size and whose time was put back (a copy that keeps times, a sync,
// an unpacked archive) is still someone else's save.
TEST_F(UnreadSidecar, AnEditWhoseTimeWasPutBackIsNoticed) {
  load_model("storeys=1,assemblies=2,values=A;B");
  run_session("click Batches\n" + save_to(sidecar("batching").string()));
  const auto time = std::filesystem::last_write_time(sidecar("batching"));
  std::string theirs = torv_test::read_file(sidecar("batching"));
  theirs.replace(theirs.rfind(",B"), 2, ",C");
  torv_test::write_file(sidecar("batching"), theirs);
  std::filesystem::last_write_time(sidecar("batching"), time);
  move_assembly_1_to_b();
  run_session("answer no\n" + save_to(sidecar("batching").string()));
  EXPECT_THAT(state().desktop.messages.back(), HasSubstr("was changed by someone else after you opened it"));
  EXPECT_EQ(torv_test::read_file(sidecar("batching")), theirs);
}

}  // namespace
