// Which language file the plug-in has the viewer load: the viewer's code as given, else English.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "api/language_file.h"
#include "plugin_base/added_texts.h"

#include "app/text_output.h"
#include "support/case_label.h"
#include "support/host_fixture.h"
#include "support/plugin_copy.h"

namespace {

struct LanguageCase {
  const char* label;
  std::u16string language;
  std::vector<const char*> files;  // in the data folder
  std::vector<std::string> asked;  // file names given to load_texts, in order
  std::string group_caption;
};

void PrintTo(const LanguageCase& c, std::ostream* out) { *out << c.label; }

class LanguageTexts : public torv_test::HostFixture, public ::testing::WithParamInterface<LanguageCase> {};

TEST_P(LanguageTexts, LoadsTheViewersLanguageElseEnglish) {
  const LanguageCase& c = GetParam();
  const torv_test::PluginCopy copy("torv" + torv_test::library_extension());
  const std::filesystem::path data_folder = copy.folder() / "torv_data";
  std::filesystem::create_directories(data_folder);
  for (const char* file : c.files)
    std::filesystem::copy_file(torv_test::built_data_folder() / file, data_folder / file);
  state().language = c.language;

  load_plugin(copy.library());

  std::vector<std::string> asked;
  for (const std::u16string& path : state().text_files_asked) {
    const std::filesystem::path file(path);
    EXPECT_EQ(file.parent_path(), data_folder);
    asked.push_back(host::utf8(file.filename().u16string()));
  }
  EXPECT_EQ(asked, c.asked);
  ASSERT_EQ(state().groups.size(), 1u);
  EXPECT_EQ(host::utf8(state().groups[0].caption), c.group_caption);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LanguageTexts,
    ::testing::Values(
        LanguageCase{"german_file_present", u"de", {"lang.de", "lang.en"}, {"lang.de"}, "Nachverfolgung"},
        LanguageCase{"polish_file_present", u"pl", {"lang.pl", "lang.en"}, {"lang.pl"}, "Śledzenie"},
        LanguageCase{"german_file_missing", u"de", {"lang.en"}, {"lang.de", "lang.en"}, "Tracking"},
        LanguageCase{"code_kept_as_given", u"DE", {"lang.en"}, {"lang.DE", "lang.en"}, "Tracking"},
        LanguageCase{"empty_code", u"", {"lang.en"}, {"lang.", "lang.en"}, "Tracking"},
        // The viewer answers an unknown key with the key itself.
        LanguageCase{"no_file_at_all", u"de", {}, {"lang.de", "lang.en"}, "ribbon_group"}),
    torv_test::CaseLabel());

using Ribbon = torv_test::HostFixture;

TEST_F(Ribbon, EveryTextItShowsComesFromTheLanguageFile) {
  state().language = u"de";
  load_plugin();
  const std::string ribbon = run_session("ribbon\n");
  for (const char* text : {"\"Lose\"", "Zuordnen von Objekten zu Fertigungs- und Lieferlosen", "\"Status\"",
                           "\"Zurücksetzen\"", "\"Exportieren\""}) {
    EXPECT_THAT(ribbon, ::testing::HasSubstr(text));
  }
}

// A translation made for an earlier version lacks the keys added since: the user reads their
// English texts, while a key the Parts always had shows whatever the viewer gives, as it always did.
using AddedTexts = torv_test::HostFixture;

TEST_F(AddedTexts, ALanguageFileWithoutThemShowsTheirEnglishText) {
  const torv_test::PluginCopy copy("torv" + torv_test::library_extension());
  std::filesystem::create_directories(copy.folder() / "torv_data");
  std::ifstream full(torv_test::built_data_folder() / "lang.de");
  std::ofstream older(copy.folder() / "torv_data" / "lang.de");
  for (std::string line; std::getline(full, line);) {
    const std::string key = line.substr(0, line.find('='));
    if (cpp::added_text_english(key) == nullptr && key != "menu_delete") older << line << "\n";
  }
  older.close();
  state().language = u"de";
  load_plugin(copy.library());
  load_model("storeys=1,assemblies=2,values=A;B");
  const std::filesystem::path not_sidecar = copy.folder() / "report.csv";
  std::ofstream(not_sidecar) << "IFC GUID,BATCH,NAME\r\n";
  const std::string menu = run_session("click Lose\nanswer open " + not_sidecar.string() +
                                       "\npanel batch open\npanel batch menu\n");
  ASSERT_FALSE(state().desktop.messages.empty());
  EXPECT_EQ(state().desktop.messages.back(),
            "question box \"TORV\": report.csv does not begin with the line \"IFC GUID,BATCH\". It may be a "
            "report, a model or the other panel's file, whose lines would become categories. Read it anyway? "
            "-> no");
  EXPECT_THAT(menu, ::testing::HasSubstr("menu_delete"));
  EXPECT_THAT(menu, ::testing::HasSubstr("Umbenennen"));
}

// The compiled texts are lang.en's, so that the English a user sees is one text wherever it comes from.
TEST_F(AddedTexts, AreTheEnglishLanguageFilesTexts) {
  const auto english = host::read_language_file((torv_test::built_data_folder() / "lang.en").u16string());
  ASSERT_TRUE(english);
  for (const cpp::AddedText& added : cpp::added_texts()) {
    const auto found = english->find(added.key);
    ASSERT_NE(found, english->end()) << added.key;
    EXPECT_EQ(found->second, added.english) << added.key;
  }
}

}  // namespace
