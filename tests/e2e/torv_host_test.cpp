// torv-host end to end: it loads the built plug-in library beside it, generates a model, runs a
// session script and prints what the viewer shows.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "api/language_file.h"
#include "app/text_output.h"
#include "platform/utf8.h"
#include "support/case_label.h"
#include "support/host_fixture.h"
#include "support/no_temporary_left.h"
#include "support/process_environment.h"
#include "support/run_program.h"
#include "support/temp_folder.h"

namespace {

using ::testing::ContainsRegex;
using ::testing::HasSubstr;
using torv_test::run_torv_host;

class TorvHost : public ::testing::Test {
 protected:
  std::string script(const std::string& lines) {
    const std::filesystem::path path = folder_.path() / ("script" + std::to_string(scripts_++) + ".txt");
    torv_test::write_file(path, lines);
    return path.string();
  }

  std::filesystem::path path(const std::string& name) const { return folder_.path() / name; }
  const std::filesystem::path& folder() const { return folder_.path(); }

 private:
  torv_test::TempFolder folder_;
  int scripts_ = 0;
};

std::string language_text(const char* language, const char* key) {
  const auto texts = host::read_language_file(
      (torv_test::built_data_folder() / (std::string("lang.") + language)).u16string());
  return texts ? host::utf8(texts->at(key)) : std::string();
}

TEST_F(TorvHost, ShowsThePluginAndItsRibbon) {
  const auto result = run_torv_host({"--generate", "assemblies=2", "--script", script("ribbon\nquit\n")});
  ASSERT_EQ(result.exit_code, 0) << result.errors;
  EXPECT_THAT(result.out, HasSubstr("plugin: KVT\n"));
  EXPECT_THAT(result.out, HasSubstr("api version: 5.41\n"));
  EXPECT_THAT(result.out, HasSubstr("group 100 \"" + language_text("en", "ribbon_group") + "\"\n"));
  for (const char* key : {"btn_uda4", "btn_uda3", "btn_reset", "btn_export"}) {
    EXPECT_THAT(result.out, HasSubstr("\"" + language_text("en", key) + "\"\n"));
    EXPECT_THAT(result.out,
                HasSubstr("hint: " + language_text("en", (std::string(key) + ".hint").c_str()) + "\n"));
  }
  for (const char* image : {"batch.png", "runtime.png", "reset.png", "export_small.png"}) {
    const std::filesystem::path path = torv_test::built_data_folder() / image;
    EXPECT_THAT(result.out, HasSubstr(path.string() + "\n"));
  }
  EXPECT_EQ(result.errors, "");
}

TEST_F(TorvHost, SpeaksTheViewersLanguage) {
  const auto result =
      run_torv_host({"--lang", "de", "--generate", "default", "--script", script("ribbon\n")});
  ASSERT_EQ(result.exit_code, 0) << result.errors;
  EXPECT_THAT(result.out, HasSubstr("\"" + language_text("de", "btn_uda4") + "\"\n"));
  EXPECT_THAT(result.out, HasSubstr("hint: " + language_text("de", "btn_export.hint") + "\n"));
}

TEST_F(TorvHost, ClickingARibbonButtonByCaptionOrId) {
  const auto result = run_torv_host({"--generate", "default", "--script",
                                     script("click " + language_text("en", "btn_reset") + "\nclick 101\n")});
  EXPECT_EQ(result.exit_code, 0) << result.errors;
}

// --help, -h and --version answer without a model and exit with 0.
TEST_F(TorvHost, AnswersHelpAndVersionAlone) {
  for (const char* option : {"--help", "-h"}) {
    const auto result = run_torv_host({option});
    EXPECT_EQ(result.exit_code, 0) << option << result.errors;
    EXPECT_THAT(result.out, HasSubstr("usage: torv-host")) << option;
    EXPECT_THAT(result.out, HasSubstr("\n  render FILE.png")) << option;
  }
  const auto result = run_torv_host({"--version"});
  EXPECT_EQ(result.exit_code, 0) << result.errors;
  // Our release version, set once in the build, apart from the API versions.
  EXPECT_THAT(result.out, HasSubstr("torv-host " TORV_VERSION ", the viewer's API 5.46\n"));
}

// A missing script is told before the model is read or the plug-in loaded.
TEST_F(TorvHost, ChecksTheScriptBeforeReadingTheModel) {
  const auto result = run_torv_host({"--generate", "default", "--script", "no-such.session"});
  EXPECT_EQ(result.exit_code, 2);
  EXPECT_THAT(result.errors, HasSubstr("no such file: no-such.session"));
  EXPECT_EQ(result.out, "");
}

// Command words, keywords and captions in any case; a # that begins a word is not a comment.
TEST_F(TorvHost, ReadsWordsInAnyCase) {
  const auto result =
      run_torv_host({"--generate", "assemblies=2,parts=1,batch=text,values=A", "--script",
                     script("CLICK batches\nAnswer Color #1E90FF\nPanel BATCH Swatch 1  # the first "
                            "batch\nPRINT colors\nanswer color NONE\npanel batch swatch 1\n"
                            "print colors\n")});
  ASSERT_EQ(result.exit_code, 0) << result.errors;
  EXPECT_THAT(result.out, HasSubstr("1E90FFFF\t"));
  // none takes the colour away again.
  const std::size_t last_row = result.out.rfind("\ndefault\t");
  ASSERT_NE(last_row, std::string::npos) << result.out;
  EXPECT_EQ(result.out.find('\n', last_row + 1), result.out.size() - 1) << result.out;
}

TEST_F(TorvHost, ClicksACaptionWithCapitalsOfAnotherLanguage) {
  const auto result =
      run_torv_host({"--lang", "de", "--generate", "default", "--script",
                     script("click " + language_text("de", "btn_reset") + "\nclick ZURÜCKSETZEN\n")});
  EXPECT_EQ(result.exit_code, 0) << result.errors;
}

// find lists GUID, entity, name and tag of the objects that contain the text, at most 50; select
// and hover take a name or tag that fits one object.
TEST_F(TorvHost, FindsObjectsAndSelectsThemByName) {
  const auto result = run_torv_host(
      {"--generate", "storeys=1,assemblies=60,parts=1", "--script",
       script("find ASSEMBLY\nfind no such!\nhover assembly 7\nselect t-5\nprint selection\n")});
  ASSERT_EQ(result.exit_code, 0) << result.errors;
  EXPECT_THAT(result.out, ContainsRegex("\n\\S+\tIfcElementAssembly\t.*\t.*\n"));
  EXPECT_THAT(result.out, HasSubstr("\nand 10 more\n"));
  EXPECT_THAT(result.out, HasSubstr("no object's GUID, entity, name or tag contains 'no such!'\n"));
  EXPECT_THAT(result.out, ContainsRegex("1 objects\n\\S+\tIfcElementAssembly\tAssembly 1\n"));
}

TEST_F(TorvHost, HelpListsTheCommands) {
  const auto result = run_torv_host({"--generate", "default", "--script", script("help\n")});
  ASSERT_EQ(result.exit_code, 0) << result.errors;
  for (const char* command :
       {"ribbon", "click", "find", "select", "hover", "context", "choose", "panel", "answer", "print",
        "snapshot", "render", "load", "save-model", "help", "quit"}) {
    EXPECT_THAT(result.out, HasSubstr("\n  " + std::string(command) + " ")) << command;
  }
}

// What follows the line that starts with marker, up to the next line that starts with "model: ".
std::string printed_after(const std::string& out, const std::string& marker) {
  const auto start = out.find('\n', out.find(marker));
  if (out.find(marker) == std::string::npos || start == std::string::npos) return "(no line " + marker + ")";
  const auto end = out.find("\nmodel: ", start);
  return out.substr(start + 1, end == std::string::npos ? std::string::npos : end - start);
}

TEST_F(TorvHost, ASavedModelLoadsInPlaceOfTheModel) {
  // Not named .tvm: the file is known by its first line.
  const std::string saved = path("saved.txt").string();
  const std::string panel = "click Batches\nprint panel batch\nselect @7\nprint selection\n";
  const auto first =
      run_torv_host({"--generate", "assemblies=3,loose=2,no_guid=2,batch=real", "--script",
                     script("save-model " + saved + "\n" + panel + "load " + saved + "\n" + panel)});
  ASSERT_EQ(first.exit_code, 0) << first.errors;
  const std::string shown = printed_after(first.out, "model saved: " + saved + ", ");
  EXPECT_THAT(shown, HasSubstr("Batches\tvisible\nBatch\tCount\tColour\n1.5\t"));
  EXPECT_EQ(printed_after(first.out, "model: saved.txt, read in "), shown);

  const auto second = run_torv_host({saved, "--script", script(panel)});
  ASSERT_EQ(second.exit_code, 0) << second.errors;
  EXPECT_EQ(printed_after(second.out, "model: saved.txt, read in "), shown);
}

// Windows's ReplaceFileW takes only full paths; the plug-in gets the path as the user typed it.
TEST_F(TorvHost, ASaveByARelativePathReplacesAnExistingFile) {
  torv_test::write_file(path("hall.batching.csv"), "old");
  const auto result =
      run_torv_host({"--generate", "assemblies=2", "--script",
                     script("click Batches\nanswer save hall.batching.csv\npanel batch save\n")},
                    folder());
  ASSERT_EQ(result.exit_code, 0) << result.errors;
  EXPECT_EQ(result.errors, "");
  EXPECT_THAT(torv_test::read_file(path("hall.batching.csv")), ::testing::StartsWith("IFC GUID,BATCH\r\n"));
  EXPECT_TRUE(torv_test::no_temporary_left(folder()));
}

// A save killed before it ended leaves its temporary file; the next save into the folder removes
// it once it is an hour old, and leaves a younger one, which may be a save still writing.
TEST_F(TorvHost, ASaveRemovesWhatKilledSavesLeft) {
  const auto now = std::filesystem::file_time_type::clock::now();
  torv_test::write_file(path(".torv-k1ll3d"), "half a model");
  std::filesystem::last_write_time(path(".torv-k1ll3d"), now - std::chrono::hours(2));
  torv_test::write_file(path(".torv-wr1t1n"), "a save still writing");
  std::filesystem::last_write_time(path(".torv-wr1t1n"), now - std::chrono::minutes(50));
  const auto result = run_torv_host(
      {"--generate", "assemblies=2", "--script", script("save-model " + path("model.tvm").string() + "\n")});
  ASSERT_EQ(result.exit_code, 0) << result.errors;
  EXPECT_FALSE(std::filesystem::exists(path(".torv-k1ll3d")));
  EXPECT_TRUE(std::filesystem::exists(path(".torv-wr1t1n")));
}

TEST_F(TorvHost, ADamagedModelFileIsRefused) {
  torv_test::write_file(path("cut.tvm"), "TORV-MODEL 1\no\t-\tIfcProject\tHall\t\t\t\t0\t-\n");
  const auto on_the_command_line = run_torv_host({path("cut.tvm").string(), "--script", script("ribbon\n")});
  EXPECT_EQ(on_the_command_line.exit_code, 2);
  EXPECT_THAT(on_the_command_line.errors, HasSubstr("cut.tvm: the file is cut short"));
  EXPECT_EQ(on_the_command_line.out.find("group "), std::string::npos) << "the session ran";

  // In a session the model that was loaded stays.
  const auto loaded =
      run_torv_host({"--generate", "assemblies=2", "--script",
                     script("load " + path("cut.tvm").string() + "\nselect @3\nprint selection\n")});
  EXPECT_EQ(loaded.exit_code, 1);
  EXPECT_THAT(loaded.errors, HasSubstr("cut.tvm: the file is cut short"));
  EXPECT_THAT(loaded.out, HasSubstr("1 objects\n"));
}

struct FailureCase {
  const char* label;
  std::vector<std::string> arguments;
  std::string script;
  int exit_code;
  std::string message;
};

void PrintTo(const FailureCase& c, std::ostream* out) { *out << c.label; }

// The system's own words, which differ between the builds.
std::string missing_folder_reason() {
  return torv_test::library_extension() == ".dll" ? "Path not found" : "No such file or directory";
}

class TorvHostFailure : public TorvHost, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(TorvHostFailure, SaysWhatWentWrong) {
  const FailureCase& c = GetParam();
  std::vector<std::string> arguments = c.arguments;
  if (!c.script.empty()) {
    arguments.push_back("--script");
    arguments.push_back(script(c.script));
  }
  const auto result = run_torv_host(arguments);
  EXPECT_EQ(result.exit_code, c.exit_code);
  EXPECT_THAT(result.errors, HasSubstr(c.message));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TorvHostFailure,
    ::testing::Values(
        FailureCase{
            "unknown_command", {"--generate", "default"}, "ribbon\nfly away\n", 1, "unknown command 'fly'"},
        FailureCase{"unknown_button", {"--generate", "default"}, "click Nothing\n", 1, "no button 'Nothing'"},
        FailureCase{"render_size_not_a_number",
                    {"--generate", "default"},
                    "render model.png wide high\n",
                    1,
                    "render FILE.png [WIDTH HEIGHT]"},
        FailureCase{
            "save_model_without_a_file", {"--generate", "default"}, "save-model\n", 1, "save-model FILE"},
        FailureCase{"save_model_into_a_missing_folder",
                    {"--generate", "default"},
                    "save-model no-such-folder/model.tvm\n",
                    1,
                    "cannot write no-such-folder/model.tvm: " + missing_folder_reason()},
        FailureCase{"bad_generator_spec", {"--generate", "parts=many"}, "", 2, "usage: torv-host"},
        FailureCase{"no_model", {}, "", 2, "give either a model file or --generate SPEC"},
        FailureCase{"missing_plugin",
                    {"--plugin", "no-such-plugin.so", "--generate", "default"},
                    "",
                    2,
                    "no such file: no-such-plugin.so"},
        FailureCase{"missing_model", {"no-such-model.ifc"}, "", 2, "no such file: no-such-model.ifc"},
        FailureCase{"missing_model_file", {"no-such-model.tvm"}, "", 2, "no such file: no-such-model.tvm"},
        FailureCase{"load_of_a_missing_model",
                    {"--generate", "default"},
                    "load no-such-model.tvm\n",
                    1,
                    "no such file: no-such-model.tvm"},
        FailureCase{"unknown_short_option", {"-x", "--generate", "default"}, "", 2, "unknown option -x"},
        FailureCase{"row_out_of_range",
                    {"--generate", "default"},
                    "click Batches\npanel batch row 99\n",
                    1,
                    "no row 99: the batch panel has 4 rows"},
        FailureCase{"panel_not_open",
                    {"--generate", "default"},
                    "panel status row 1\n",
                    1,
                    "the status panel is not open: click its ribbon button first"},
        FailureCase{"unknown_panel_action",
                    {"--generate", "default"},
                    "click Batches\npanel batch wiggle\n",
                    1,
                    "no panel action 'wiggle': panel batch|status ACTION, ACTION one of: row N [right],"},
        FailureCase{"unknown_key",
                    {"--generate", "default"},
                    "click Batches\npanel batch key sideways\n",
                    1,
                    "no key 'sideways': enter, space, up, down"},
        FailureCase{"colour_of_five_digits",
                    {"--generate", "default"},
                    "answer color 12345\n",
                    1,
                    "no colour '12345': answer color AARRGGBB, RRGGBB (opaque), #RRGGBB, none or cancel"},
        FailureCase{"colour_by_name",
                    {"--generate", "default"},
                    "answer color red\n",
                    1,
                    "no colour 'red': answer color AARRGGBB"},
        FailureCase{"unknown_object",
                    {"--generate", "default"},
                    "select nothing-like-it\n",
                    1,
                    "no object 'nothing-like-it': give a GUID, @N, or a name or tag of one object"},
        FailureCase{"object_past_the_end",
                    {"--generate", "assemblies=1,parts=1"},
                    "hover @999\n",
                    1,
                    "no object '@999': @N counts the model's objects from @0 to @"},
        FailureCase{"unknown_button_lists_the_ribbon",
                    {"--generate", "default"},
                    "click Nothing\n",
                    1,
                    "the ribbon has Batches (101), Status (102), Reset (103), Export (104)"}),
    torv_test::CaseLabel());

// Folders named in the languages of the users, and beyond the first 65536 characters: every path
// torv-host takes reaches the file system whole, in both builds (the Windows one reads its command
// line as UTF-16, not through the ANSI code page).
struct UnicodeFolder {
  const char* label;
  const char* name;  // UTF-8
};

void PrintTo(const UnicodeFolder& c, std::ostream* out) { *out << c.label; }

class UnicodePaths : public TorvHost, public ::testing::WithParamInterface<UnicodeFolder> {};

TEST_P(UnicodePaths, EveryArgumentAndCommandTakesThem) {
  const std::filesystem::path folder =
      path("x") / std::filesystem::path(platform::from_utf8(GetParam().name));
  const std::filesystem::path plugins =
      folder / std::filesystem::path(platform::from_utf8("Erweiterungen-ü"));
  std::filesystem::create_directories(plugins);
  const std::filesystem::path built_plugin(torv_test::built_plugin_path());
  std::filesystem::copy_file(built_plugin, plugins / built_plugin.filename());
  std::filesystem::copy(torv_test::built_data_folder(), plugins / "torv_data");
  const auto in = [&](const std::filesystem::path& base, const char* name) {
    return platform::to_utf8((base / std::filesystem::path(platform::from_utf8(name))).u16string());
  };
  const std::string plugin = in(plugins, platform::to_utf8(built_plugin.filename().u16string()).c_str());

  // First run: a generated model in the folder, saved as a model file; the batches saved beside it;
  // the panel pictured (by the Windows build only from its window, on a display).
  const bool pictures = torv_test::windows_can_be_made();
  std::string first = "save-model " + in(folder, "Modell-ä.tvm") + "\nclick Batches\nanswer save " +
                      in(folder, "Haus-ö.batching.csv") + "\npanel batch save\n";
  if (pictures) first += "snapshot panel batch " + in(folder, "Tafel-é.png") + "\n";
  torv_test::write_file(folder / "eins.txt", first);
  auto result = run_torv_host({"--plugin", plugin, "--script", in(folder, "eins.txt"), "--generate",
                               "assemblies=2,values=Łódź-Straße,path=" + in(folder, "Haus-ö.ifc")});
  ASSERT_EQ(result.exit_code, 0) << result.errors;
  for (const char* file : {"Modell-ä.tvm", "Haus-ö.batching.csv", "Tafel-é.png"}) {
    if (std::string_view(file).ends_with(".png") && !pictures) continue;
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(platform::from_utf8(in(folder, file)))))
        << file;
  }

  // Second run: the model file as the model, the batches opened by hand, the model loaded again.
  std::string second = "click Batches\nanswer open " + in(folder, "Haus-ö.batching.csv") +
                       "\npanel batch open\nprint panel batch\nload " + in(folder, "Modell-ä.tvm") + "\n";
  if (torv_test::library_extension() != ".dll") second += "render " + in(folder, "Bild-ß.png") + " 64 48\n";
  torv_test::write_file(folder / "zwei.txt", second);
  result =
      run_torv_host({"--plugin", plugin, "--script", in(folder, "zwei.txt"), in(folder, "Modell-ä.tvm")});
  ASSERT_EQ(result.exit_code, 0) << result.errors;
  EXPECT_THAT(result.out, HasSubstr("\nŁódź-Straße\t4\t"));
  EXPECT_THAT(result.out, HasSubstr("model: Modell-ä.tvm"));
  if (torv_test::library_extension() != ".dll") {
    EXPECT_TRUE(
        std::filesystem::exists(std::filesystem::path(platform::from_utf8(in(folder, "Bild-ß.png")))));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Folders, UnicodePaths,
    ::testing::Values(UnicodeFolder{"german", "Prüfung_Waschstraße"}, UnicodeFolder{"polish", "Łódź_źdźbło"},
                      UnicodeFolder{"cjk", "東京の現場"},
                      UnicodeFolder{"emoji_beyond_the_first_plane", "Baustelle_🏗_😀"}),
    torv_test::CaseLabel());

}  // namespace
