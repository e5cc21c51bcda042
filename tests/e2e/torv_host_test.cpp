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
                              "print", "snapshot", "render", "load", "help", "quit"}) {
    EXPECT_THAT(result.out, HasSubstr("\n  " + std::string(command) + " ")) << command;
  }
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
        FailureCase{"bad_generator_spec", {"--generate", "parts=many"}, "", 2, "usage: torv-host"},
        FailureCase{"no_model", {}, "", 2, "give either a model file or --generate SPEC"},
        FailureCase{"missing_plugin",
                    {"--plugin", "no-such-plugin.so", "--generate", "default"},
                    "",
                    2,
                    "no-such-plugin.so"}),
    torv_test::CaseLabel());

}  // namespace
