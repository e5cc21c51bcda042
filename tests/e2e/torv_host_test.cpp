// torv-host end to end: it loads the built plug-in library beside it, generates a model, runs a
// session script and prints what the viewer shows.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "api/language_file.h"
#include "app/text_output.h"
#include "support/case_label.h"
#include "support/host_fixture.h"
#include "support/run_program.h"
#include "support/temp_folder.h"

namespace {

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

TEST_F(TorvHost, HelpListsTheCommands) {
  const auto result = run_torv_host({"--generate", "default", "--script", script("help\n")});
  ASSERT_EQ(result.exit_code, 0) << result.errors;
  for (const char* command : {"ribbon", "click", "select", "hover", "context", "choose", "panel", "answer",
                              "print", "snapshot", "render", "load", "save-model", "help", "quit"}) {
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
        FailureCase{"bad_generator_spec", {"--generate", "parts=many"}, "", 2, "usage: torv-host"},
        FailureCase{"no_model", {}, "", 2, "give either a model file or --generate SPEC"},
        FailureCase{"missing_plugin",
                    {"--plugin", "no-such-plugin.so", "--generate", "default"},
                    "",
                    2,
                    "no-such-plugin.so"}),
    torv_test::CaseLabel());

}  // namespace
