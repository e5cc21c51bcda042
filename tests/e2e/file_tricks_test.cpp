// Files that are not what they seem: read-only, symbolic links, FIFOs, long names, a language
// code that leaves the data folder, a memory limit while a large side-car file is read.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/text_output.h"
#include "support/case_label.h"
#include "support/no_temporary_left.h"
#include "support/panel_fixture.h"

namespace {

using ::testing::HasSubstr;

using std::filesystem::perms;

class FileTricks : public torv_test::PanelFixture {
 protected:
  std::string save_to(const std::filesystem::path& path) {
    return run_session("answer save " + path.string() + "\npanel batch save\n");
  }
};

TEST_F(FileTricks, AReadOnlySidecarIsNotReplacedAndKeepsItsMode) {
  load_model("storeys=1,assemblies=1,values=A");
  torv_test::write_file(sidecar("batching"), "IFC GUID,BATCH\r\n,Old\r\n");
  std::filesystem::permissions(sidecar("batching"), perms::owner_read | perms::group_read);
  run_session("click Batches\n");
  save_to(sidecar("batching"));
  EXPECT_EQ(torv_test::read_file(sidecar("batching")), "IFC GUID,BATCH\r\n,Old\r\n");
  EXPECT_EQ(std::filesystem::status(sidecar("batching")).permissions(),
            perms::owner_read | perms::group_read);
  ASSERT_EQ(state().desktop.messages.size(), 1u);
  EXPECT_THAT(state().desktop.messages[0], ::testing::EndsWith("model.batching.csv: Permission denied"));
}

TEST_F(FileTricks, AReplacedSidecarKeepsItsMode) {
  load_model("storeys=1,assemblies=1,values=A");
  torv_test::write_file(sidecar("batching"), "IFC GUID,BATCH\r\n,Old\r\n");
  const perms shared = perms::owner_read | perms::owner_write | perms::group_read | perms::group_write;
  std::filesystem::permissions(sidecar("batching"), shared);
  run_session("click Batches\n");
  save_to(sidecar("batching"));
  EXPECT_EQ(std::filesystem::status(sidecar("batching")).permissions(), shared);
  EXPECT_TRUE(state().desktop.messages.empty());
}

TEST_F(FileTricks, ALinkedSidecarIsWrittenThroughAndStaysALink) {
  load_model("storeys=1,assemblies=1,values=A");
  std::filesystem::create_directories(folder_file("share"));
  torv_test::write_file(folder_file("share/hall.batching.csv"),
                        "IFC GUID,BATCH\r\n" + guid_of("Assembly 1") + ",Shared\r\n");
  std::filesystem::create_symlink("share/hall.batching.csv", sidecar("batching"));
  run_session("click Batches\n");
  EXPECT_EQ(panel_rows("batch"), "Shared\t1\tnone\nNo batch\t\tnone\n");
  run_session("panel batch row 1\nanswer name Ours\npanel batch menu rename\n");
  save_to(sidecar("batching"));
  EXPECT_TRUE(std::filesystem::is_symlink(sidecar("batching")));
  EXPECT_EQ(torv_test::read_file(folder_file("share/hall.batching.csv")),
            "IFC GUID,BATCH\r\n" + guid_of("Assembly 1") + ",Ours\r\n");
  EXPECT_TRUE(torv_test::no_temporary_left(folder_file("share")));
}

TEST_F(FileTricks, ALinkAtTheOldTemporaryNameLeadsNowhere) {
  load_model("storeys=1,assemblies=1,values=A");
  torv_test::write_file(folder_file("victim.txt"), "keep me");
  std::filesystem::create_symlink(folder_file("victim.txt"), sidecar("batching").string() + ".torv-new");
  run_session("click Batches\n");
  save_to(sidecar("batching"));
  EXPECT_EQ(torv_test::read_file(folder_file("victim.txt")), "keep me");
  EXPECT_EQ(torv_test::read_file(sidecar("batching")),
            "IFC GUID,BATCH\r\n" + guid_of("Assembly 1") + ",A\r\n");
}

TEST_F(FileTricks, AnyNameTheFileSystemTakesCanBeSaved) {
  load_model("storeys=1,assemblies=1,values=A");
  run_session("click Batches\n");
  for (const std::size_t length : {247u, 251u, 255u}) {
    const std::filesystem::path file = folder_file(std::string(length - 4, 'n') + ".csv");
    save_to(file);
    EXPECT_EQ(torv_test::read_file(file), "IFC GUID,BATCH\r\n" + guid_of("Assembly 1") + ",A\r\n") << length;
  }
  EXPECT_TRUE(state().desktop.messages.empty());
}

enum class Fifo { sidecar, colors, custom_colors };

struct FifoCase {
  const char* label;
  Fifo at;
};

void PrintTo(const FifoCase& c, std::ostream* out) { *out << c.label; }

class FifoInPlace : public FileTricks, public ::testing::WithParamInterface<FifoCase> {};

// Read, it would wait for a writer for ever; it is an unreadable file, and saving leaves it be.
TEST_P(FifoInPlace, IsAnUnreadableFileAndNothingWaits) {
  load_model("storeys=1,assemblies=1,values=A");
  std::filesystem::create_directories(user_folder());
  const std::filesystem::path fifo = GetParam().at == Fifo::sidecar  ? sidecar("batching")
                                     : GetParam().at == Fifo::colors ? user_folder() / "uda4_colors.dat"
                                                                     : user_folder() / "CustomColors.dat";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  run_session("click Batches\nanswer color FF102030\npanel batch swatch 1\n");
  // The batch panel falls back to the model's values.
  EXPECT_EQ(panel_rows("batch").substr(0, 2), "A\t");
  viewer().unload_plugin();
  EXPECT_TRUE(std::filesystem::is_fifo(fifo));
}

INSTANTIATE_TEST_SUITE_P(Files, FifoInPlace,
                         ::testing::Values(FifoCase{"sidecar", Fifo::sidecar},
                                           FifoCase{"colors", Fifo::colors},
                                           FifoCase{"custom_colors", Fifo::custom_colors}),
                         torv_test::CaseLabel());

struct LanguageCase {
  const char* label;
  std::u16string code;
  std::vector<std::string> asked;
};

void PrintTo(const LanguageCase& c, std::ostream* out) { *out << c.label; }

class LanguageCode : public FileTricks, public ::testing::WithParamInterface<LanguageCase> {};

TEST_P(LanguageCode, NamesAFileInTheDataFolderOnlyWhenItIsAPlainCode) {
  viewer().unload_plugin();
  const std::filesystem::path data = std::filesystem::path(plugin_path()).parent_path() /
                                     (std::filesystem::path(plugin_path()).stem().string() + "_data");
  ASSERT_EQ(mkfifo((data / "lang.xx").c_str(), 0600), 0);
  state().text_files_asked.clear();
  state().language = GetParam().code;
  load_plugin(plugin_path());
  std::vector<std::string> asked;
  for (const std::u16string& path : state().text_files_asked)
    asked.push_back(host::utf8(std::filesystem::path(path).filename().u16string()));
  EXPECT_EQ(asked, GetParam().asked);
}

INSTANTIATE_TEST_SUITE_P(Codes, LanguageCode,
                         ::testing::Values(LanguageCase{"leaves_the_folder", u"../../etc/x", {"lang.en"}},
                                           LanguageCase{"a_fifo", u"xx", {"lang.en"}},
                                           LanguageCase{
                                               "plain_with_dash", u"pt-BR_1", {"lang.pt-BR_1", "lang.en"}}),
                         torv_test::CaseLabel());

// Something with the side-car file's name that is no file to read: the panel says so as it fills,
// the batch panel shows the model's values, and a save over it asks.
TEST_F(FileTricks, ASidecarThatIsAFifoIsToldAndNotSavedOverUnasked) {
  load_model("storeys=1,assemblies=2,values=A;B");
  ASSERT_EQ(mkfifo(sidecar("batching").c_str(), 0600), 0);
  run_session("click Batches\n");
  ASSERT_EQ(state().desktop.messages.size(), 1u);
  EXPECT_THAT(
      state().desktop.messages[0],
      ::testing::MatchesRegex("message box \"TORV\" \\(warning\\): model.batching.csv could not be read: "
                              ".+\\. The batches shown are not from it\\."));
  EXPECT_EQ(panel_rows("batch"), "A\t1\tnone\nB\t1\tnone\nNo batch\t\tnone\n");
  run_session("answer no\nanswer save " + sidecar("batching").string() + "\npanel batch save\n");
  EXPECT_THAT(state().desktop.messages.back(), HasSubstr("was not read whole"));
  EXPECT_TRUE(std::filesystem::is_fifo(sidecar("batching")));
}

// A side-car file larger than the memory left: the panel ends with a valid list and says the file
// was not read, and a save over the file asks first instead of putting the list shown in its place.
TEST_F(FileTricks, RunningOutOfMemoryWhileReadingEndsWithAValidListAndASaveThatAsks) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "AddressSanitizer reserves more address space than the limit allows";
#endif
  const std::filesystem::path sidecar = folder_file("big.batching.csv");
  const std::filesystem::path script = folder_file("memory.session");
  torv_test::write_file(script, "click Batches\nprint panel batch\nanswer save " + sidecar.string() +
                                    "\nanswer no\npanel batch save\n");
  {
    std::ofstream big(sidecar, std::ios::binary);
    big << "IFC GUID,BATCH\r\n";
    const std::string line = std::string(22, 'G') + "," + std::string(200, 'b') + "\r\n";
    for (int i = 0; i < 600'000; ++i) big << line;
  }
  const auto size = std::filesystem::file_size(sidecar);
  const std::string command =
      "ulimit -v 300000 && " + (torv_test::built_folder() / "torv-host").string() +
      " --generate storeys=1,assemblies=2,values=A,path=" + folder_file("big.ifc").string() + " --script " +
      script.string() + " > " + folder_file("out.txt").string() + " 2>&1";
  const int status = std::system(("sh -c '" + command + "'").c_str());
  const std::string out = torv_test::read_file(folder_file("out.txt"));
  EXPECT_EQ(status, 0) << out;
  // 135 MB of lines do not fit twice in the limit: the batch panel falls back to the model's values.
  EXPECT_THAT(out, HasSubstr("message box \"TORV\" (warning): big.batching.csv could not be read: "));
  EXPECT_THAT(out,
              HasSubstr(". The batches shown are not from it.\nBatches\tvisible\nBatch\tCount\tColour\n"));
  EXPECT_THAT(out, HasSubstr("question box \"TORV\": big.batching.csv was not read whole when the list was "
                             "filled. Saving replaces all of it with the list shown. Save anyway? -> no"));
  EXPECT_EQ(std::filesystem::file_size(sidecar), size);
}

}  // namespace
