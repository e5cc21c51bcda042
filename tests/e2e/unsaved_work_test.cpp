// No coordinator's work lost: unsaved changes offered back from the recovery file, someone
// else's save not replaced without asking, a file opened by hand that is no side-car file.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "platform/shell_folders.h"
#include "platform/utf8.h"
#include "support/panel_fixture.h"
#include "support/process_environment.h"
#include "support/run_program.h"

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::MatchesRegex;

class UnsavedWork : public torv_test::PanelFixture {
 protected:
  // Assembly 1 is in A, Assembly 2 in B; the side-car file holds that.
  void saved_model() {
    load_model("storeys=1,assemblies=2,values=A;B");
    run_session("click Batches\nanswer save " + sidecar("batching").string() + "\npanel batch save\n");
  }
  void move_assembly_1_to_b() { run_session("select " + guid_of("Assembly 1") + "\ncontext\nchoose B\n"); }
  // Whether a name is a recovery file's of the batch panel: the model's name as given, the hash of
  // its canonical path (16 hexadecimal digits), the viewer's key (process number, an underscore,
  // its start time), the panel's ending.
  static bool is_recovery_name(const std::string& name, const std::string& model_name) {
    const std::string ending = ".batching.csv";
    if (!name.starts_with(model_name + ".") || !name.ends_with(ending)) return false;
    const std::string rest =
        name.substr(model_name.size() + 1, name.size() - model_name.size() - 1 - ending.size());
    const auto is_hex = [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); };
    if (rest.size() < 20 || rest[16] != '.' || !std::all_of(rest.begin(), rest.begin() + 16, is_hex))
      return false;
    const std::string key = rest.substr(17);
    const auto underscore = key.find('_');
    return underscore != std::string::npos && underscore > 0 && underscore + 1 < key.size() &&
           key.find_first_not_of("0123456789_x") == std::string::npos;
  }
  std::vector<std::string> recovery_files() {
    std::vector<std::string> names;
    std::error_code missing;
    for (const auto& entry : std::filesystem::directory_iterator(user_folder() / "recovery", missing))
      names.push_back(entry.path().filename().string());
    return names;
  }
  std::string caption() {
    const std::string printed = run_session("print panel batch\n");
    return printed.substr(0, printed.find('\t'));
  }
};

TEST_F(UnsavedWork, AChangeGoesToARecoveryFileAndYesRestoresItAtTheNextLoad) {
  saved_model();
  EXPECT_EQ(caption(), "Batches");
  move_assembly_1_to_b();
  EXPECT_EQ(caption(), "Batches *");
  // The model's name, the hash of its canonical path, and this viewer's process key.
  ASSERT_EQ(recovery_files().size(), 1u);
  EXPECT_TRUE(is_recovery_name(recovery_files()[0], "model.ifc")) << recovery_files()[0];
  // The recovery file is what a save would write.
  EXPECT_EQ(torv_test::read_file(user_folder() / "recovery" / recovery_files()[0]),
            "IFC GUID,BATCH\r\n,A\r\n" + guid_of("Assembly 1") + ",B\r\n" + guid_of("Assembly 2") + ",B\r\n");
  EXPECT_THAT(run_session("print recovery\n"), HasSubstr("1 recovery files\n"));

  // Leaving the model asks first; No keeps the changes for the next time.
  run_session("answer no\nanswer yes\n");
  load_model("storeys=1,assemblies=2,values=A;B");
  ASSERT_EQ(state().desktop.messages.size(), 2u);
  EXPECT_EQ(state().desktop.messages[0],
            "question box \"TORV\": Save the changes to the batches of model.ifc? -> no");
  // The time of the recovery file, as "10.12.2026 14:02", stands between the two parts; the
  // question says where a refused copy would be kept.
  const std::string before = "question box \"TORV\": The batches of model.ifc have changes from ";
  const std::string after = " that were not saved. Restore them?\nIf you answer No, they are kept in " +
                            (user_folder() / "recovery" / recovery_files()[0]).string() +
                            ".discarded. -> yes";
  const std::string& asked = state().desktop.messages[1];
  EXPECT_THAT(asked, ::testing::StartsWith(before));
  EXPECT_THAT(asked, ::testing::EndsWith(after));
  EXPECT_EQ(asked.size(), before.size() + std::string("10.12.2026 14:02").size() + after.size());
  EXPECT_EQ(asked.substr(before.size() + 2, 1) + asked.substr(before.size() + 5, 1) +
                asked.substr(before.size() + 13, 1),
            "..:");
  EXPECT_EQ(panel_rows("batch"), "A\t0\tnone\nB\t2\tnone\nNo batch\t\tnone\n");
  EXPECT_EQ(caption(), "Batches *");

  // Saved to the model's side-car file, the work is safe: no recovery file, no mark.
  run_session("answer save " + sidecar("batching").string() + "\npanel batch save\n");
  EXPECT_EQ(caption(), "Batches");
  EXPECT_TRUE(recovery_files().empty());
}

// Each refused recovery file is kept: a later refusal never replaces an earlier copy.
TEST_F(UnsavedWork, NoOrNoAnswerKeepsADiscardedCopyAndFillsFromTheSidecar) {
  saved_model();
  std::size_t round = 0;
  for (const char* answer : {"answer no\nanswer no\n", ""}) {
    ++round;
    move_assembly_1_to_b();
    run_session(answer);
    load_model("storeys=1,assemblies=2,values=A;B");
    EXPECT_THAT(state().desktop.messages.back(), HasSubstr("Restore them?\nIf you answer No"));
    EXPECT_THAT(state().desktop.messages.back(), ::testing::EndsWith(".discarded. -> no"));
    EXPECT_EQ(panel_rows("batch"), "A\t1\tnone\nB\t1\tnone\nNo batch\t\tnone\n");
    EXPECT_EQ(caption(), "Batches");
    const std::vector<std::string> copies = recovery_files();
    ASSERT_EQ(copies.size(), round);
    EXPECT_THAT(copies, ::testing::Contains(MatchesRegex(".*\\.batching\\.csv\\.discarded")));
    if (round == 2) {
      EXPECT_THAT(copies, ::testing::Contains(MatchesRegex(".*\\.batching\\.csv\\.2\\.discarded")));
    }
  }
}

// Changes that cancel out leave the list as the side-car file holds it: no mark, no recovery file,
// no question at the leave.
TEST_F(UnsavedWork, ChangesThatCancelOutLeaveNothingToSave) {
  saved_model();
  run_session("answer name Lot 1\npanel batch menu add\n");
  EXPECT_EQ(caption(), "Batches *");
  // A, B, then Lot 1 in the list.
  run_session("panel batch row 3\npanel batch menu delete\n");
  EXPECT_EQ(caption(), "Batches");
  move_assembly_1_to_b();
  EXPECT_EQ(caption(), "Batches *");
  run_session("select " + guid_of("Assembly 1") + "\ncontext\nchoose A\n");
  EXPECT_EQ(caption(), "Batches");
  EXPECT_TRUE(recovery_files().empty());
  load_model("storeys=1,assemblies=2,values=A;B");
  EXPECT_TRUE(state().desktop.messages.empty());
}

// A model whose file name is as long as the file system takes still has its recovery file.
TEST_F(UnsavedWork, AModelWithTheLongestNameHasARecoveryFile) {
  load_model("storeys=1,assemblies=2,values=A;B,path=" +
             folder_file(std::string(251, 'm') + ".ifc").string());
  run_session("click Batches\n");
  move_assembly_1_to_b();
  EXPECT_EQ(caption(), "Batches *");
  // The model's name is cut to 64 characters before the hash of its path and the viewer's key.
  ASSERT_EQ(recovery_files().size(), 1u);
  EXPECT_TRUE(is_recovery_name(recovery_files()[0], std::string(64, 'm'))) << recovery_files()[0];
  EXPECT_THAT(run_session("print recovery\n"), HasSubstr("1 recovery files\n"));
}

// A colleague's save (or a sync client, or a clock) after the changes does not make them vanish:
// they are offered, and the question says the file was saved since.
TEST_F(UnsavedWork, ARecoveryFileOlderThanTheSidecarIsOfferedSayingSo) {
  saved_model();
  move_assembly_1_to_b();
  std::filesystem::last_write_time(sidecar("batching"),
                                   std::filesystem::file_time_type::clock::now() + std::chrono::minutes(5));
  run_session("answer no\nanswer no\n");
  load_model("storeys=1,assemblies=2,values=A;B");
  ASSERT_EQ(state().desktop.messages.size(), 2u);
  EXPECT_THAT(state().desktop.messages[1],
              HasSubstr("Restore them?\nmodel.batching.csv was saved after these changes "
                        "were made.\nIf you answer No, they are kept in "));
  EXPECT_EQ(panel_rows("batch"), "A\t1\tnone\nB\t1\tnone\nNo batch\t\tnone\n");
  // Refused, the changes are kept aside, not dropped.
  ASSERT_THAT(recovery_files(), ElementsAre(MatchesRegex(".*\\.batching\\.csv\\.discarded")));
  EXPECT_THAT(torv_test::read_file(user_folder() / "recovery" / recovery_files()[0]),
              HasSubstr(guid_of("Assembly 1") + ",B\r\n"));
}

TEST_F(UnsavedWork, SomeoneElsesSaveIsReplacedOnlyWhenTheUserSaysSo) {
  saved_model();
  const std::string theirs = "IFC GUID,BATCH\r\n" + guid_of("Assembly 2") + ",Theirs\r\n";
  torv_test::write_file(sidecar("batching"), theirs);
  std::filesystem::last_write_time(sidecar("batching"),
                                   std::filesystem::file_time_type::clock::now() + std::chrono::minutes(1));
  move_assembly_1_to_b();
  const std::string save = "answer save " + sidecar("batching").string() + "\npanel batch save\n";
  run_session(save);
  EXPECT_EQ(
      state().desktop.messages.back(),
      "question box \"TORV\": model.batching.csv was changed by someone else after you opened it. Replace "
      "it with your version? -> no");
  EXPECT_EQ(torv_test::read_file(sidecar("batching")), theirs);
  run_session("answer yes\n" + save);
  EXPECT_EQ(torv_test::read_file(sidecar("batching")),
            "IFC GUID,BATCH\r\n,A\r\n" + guid_of("Assembly 1") + ",B\r\n" + guid_of("Assembly 2") + ",B\r\n");
  // Now the file is as this panel wrote it: saving again asks nothing.
  const std::size_t told = state().desktop.messages.size();
  run_session(save);
  EXPECT_EQ(state().desktop.messages.size(), told);
}

TEST_F(UnsavedWork, AFileThatIsNoSidecarFileIsReadOnlyWhenTheUserSaysSo) {
  load_model("storeys=1,assemblies=2,values=A;B");
  run_session("click Batches\n");
  const std::string report = "IFC GUID,BATCH,NAME,DESCRIPTION,ENTITY,TAG,X-min,Y-min,Z-min\r\n" +
                             guid_of("Assembly 1") + ",A,Assembly 1,,IfcElementAssembly,,0,0,0\r\n";
  torv_test::write_file(folder_file("report.csv"), report);
  const std::string open = "answer open " + folder_file("report.csv").string() + "\npanel batch open\n";
  run_session(open);
  EXPECT_EQ(state().desktop.messages.back(),
            "question box \"TORV\": report.csv does not begin with the line \"IFC GUID,BATCH\". It may be a "
            "report, "
            "a model or the other panel's file, whose lines would become categories. Read it anyway? -> no");
  EXPECT_EQ(panel_rows("batch"), "A\t1\tnone\nB\t1\tnone\nNo batch\t\tnone\n");
  run_session("answer yes\n" + open);
  EXPECT_EQ(panel_rows("batch"), "A,Assembly 1,,IfcElementAssembly,,0,0,0\t1\tnone\nNo batch\t\tnone\n");
}

TEST_F(UnsavedWork, OpeningByHandSaysHowManyLinesNameNoObject) {
  load_model("storeys=1,assemblies=2,values=A;B");
  torv_test::write_file(folder_file("older.csv"),
                        "IFC GUID,BATCH\r\n" + guid_of("Assembly 1") +
                            ",A\r\n0000000000000000000001,A\r\n0000000000000000000002,C\r\n");
  run_session("click Batches\nanswer open " + folder_file("older.csv").string() + "\npanel batch open\n");
  EXPECT_EQ(state().desktop.messages,
            std::vector<std::string>{
                "message box \"TORV\" (information): 2 lines of 3 name no object of this model."});
  // Opened by hand, the list is unsaved work until it is saved.
  EXPECT_EQ(caption(), "Batches *");
}

// Leaving a model with unsaved changes asks first: Yes writes them to the model's side-car file.
TEST_F(UnsavedWork, LeavingTheModelAsksAndYesSavesToTheSidecar) {
  saved_model();
  move_assembly_1_to_b();
  run_session("answer yes\n");
  load_model("storeys=1,assemblies=2,values=A;B");
  EXPECT_EQ(state().desktop.messages,
            std::vector<std::string>{
                "question box \"TORV\": Save the changes to the batches of model.ifc? -> yes"});
  EXPECT_EQ(torv_test::read_file(sidecar("batching")),
            "IFC GUID,BATCH\r\n,A\r\n" + guid_of("Assembly 1") + ",B\r\n" + guid_of("Assembly 2") + ",B\r\n");
  EXPECT_TRUE(recovery_files().empty());
  EXPECT_EQ(caption(), "Batches");
}

// Closing the viewer asks as well, with quit and at the end of a session alike.
TEST_F(UnsavedWork, ClosingTheViewerAsks) {
  saved_model();
  const std::string sidecar_file = sidecar("batching").string();
  for (const char* end : {"quit\n", ""}) {
    const std::filesystem::path script = folder_file("close.session");
    torv_test::write_file(
        script, "click Batches\nselect " + guid_of("Assembly 2") + "\ncontext\nchoose A\nanswer yes\n" + end);
    const torv_test::ProgramResult result =
        torv_test::run_torv_host({"--plugin", platform::to_utf8(plugin_path()), "--generate",
                                  "\"storeys=1,assemblies=2,values=A;B,path=" + model_path().string() + "\"",
                                  "--script", script.string()});
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    EXPECT_THAT(result.errors,
                HasSubstr("question box \"TORV\": Save the changes to the batches of model.ifc? -> yes"));
    EXPECT_THAT(torv_test::read_file(sidecar("batching")), HasSubstr(guid_of("Assembly 2") + ",A\r\n"));
    torv_test::write_file(sidecar("batching"), "IFC GUID,BATCH\r\n,A\r\n" + guid_of("Assembly 2") + ",B\r\n");
  }
}

// Two viewers on one model: each writes its own recovery file, so one's save never removes the
// other's work; the other's work is offered once that viewer has gone, not while it runs.
TEST_F(UnsavedWork, TwoViewersKeepTheirOwnRecoveryFiles) {
  saved_model();
  const char* program = torv_test::library_extension() == ".dll" ? "torv-host.exe" : "torv-host";
  std::FILE* other = torv_test::start_program_with_input(
      "\"" + (torv_test::built_folder() / program).string() + "\" --plugin \"" +
      platform::to_utf8(plugin_path()) +
      "\" --generate \"storeys=1,assemblies=2,values=A;B,path=" + model_path().string() + "\"");
  ASSERT_NE(other, nullptr);
  const std::string moved = "click Batches\nselect " + guid_of("Assembly 2") + "\ncontext\nchoose A\n";
  std::fputs(moved.c_str(), other);
  std::fflush(other);
  // The other viewer's recovery file appears once it has made its change.
  for (int wait = 0; wait < 600 && recovery_files().empty(); ++wait)
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  ASSERT_EQ(recovery_files().size(), 1u);
  const std::string others = recovery_files()[0];

  // This viewer changes, saves, and loads the model again: the other viewer's file stays, unoffered.
  move_assembly_1_to_b();
  EXPECT_EQ(recovery_files().size(), 2u);
  run_session("answer save " + sidecar("batching").string() + "\npanel batch save\n");
  EXPECT_EQ(recovery_files(), std::vector<std::string>{others});
  const std::size_t asked = state().desktop.messages.size();
  load_model("storeys=1,assemblies=2,values=A;B");
  EXPECT_EQ(state().desktop.messages.size(), asked);

  // The other viewer closes without saving (its question unanswered), and its work is offered.
  EXPECT_EQ(torv_test::finish_program(other), 0);
  EXPECT_EQ(recovery_files(), std::vector<std::string>{others});
  run_session("answer yes\n");
  load_model("storeys=1,assemblies=2,values=A;B");
  EXPECT_THAT(state().desktop.messages.back(), HasSubstr("Restore them?"));
  EXPECT_EQ(panel_rows("batch"), "A\t2\tnone\nB\t0\tnone\nNo batch\t\tnone\n");
}

// A model name whose 64th code unit is the first half of a character keeps its recovery file: the
// name is cut before the character.
TEST_F(UnsavedWork, ANameCutInsideACharacterIsCutBeforeIt) {
  const std::string name = std::string(63, 'm') + "\xF0\x9F\x98\x80.ifc";
  // The folder as UTF-8, as the generator takes a path.
  load_model("storeys=1,assemblies=2,values=A;B,path=" +
             platform::to_utf8((folder_file(name).parent_path() / "").u16string()) + name);
  run_session("click Batches\n");
  move_assembly_1_to_b();
  ASSERT_EQ(recovery_files().size(), 1u);
  EXPECT_TRUE(is_recovery_name(recovery_files()[0], std::string(63, 'm'))) << recovery_files()[0];
}

// The same model opened under another spelling of its path is offered its recovery file: the file
// is named after the model's canonical path.
TEST_F(UnsavedWork, TheSameModelUnderAnotherSpellingIsOfferedItsRecovery) {
  saved_model();
  move_assembly_1_to_b();
  const bool windows = platform::path_separator() == u'\\';
  const std::filesystem::path folder = model_path().parent_path();
  const std::string spelled =
      windows ? (folder / "MODEL.IFC").string() : (folder / "." / "model.ifc").string();
  run_session("answer no\nanswer yes\n");
  load_model("storeys=1,assemblies=2,values=A;B,path=" + spelled);
  EXPECT_THAT(state().desktop.messages.back(), HasSubstr("Restore them?"));
  EXPECT_EQ(panel_rows("batch"), "A\t0\tnone\nB\t2\tnone\nNo batch\t\tnone\n");
}

}  // namespace
