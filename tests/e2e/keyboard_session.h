// The fixture of the keyboard sessions: torv-host on a model of two assemblies whose batches are
// Alpha and Beta, run with a script of session lines; on Windows on a display, where the keys are
// real keyboard input.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "api/language_file.h"
#include "app/text_output.h"
#include "support/host_fixture.h"
#include "support/needed_display.h"
#include "support/process_environment.h"
#include "support/run_program.h"
#include "support/temp_folder.h"

namespace torv_test {

inline std::string text(const char* key) {
  const auto texts = host::read_language_file((torv_test::built_data_folder() / "lang.en").u16string());
  return texts ? host::utf8(texts->at(key)) : std::string();
}

class Keyboard : public ::testing::Test {
 protected:
  // The Windows build's keys go to the system's controls, which need a display.
  void SetUp() override { TORV_NEEDS_WINDOWS(); }

  // A model of two assemblies whose batches are Alpha and Beta (or another generated model), the
  // status panel made and hidden, the batch panel shown.
  torv_test::ProgramResult run_session(const std::string& lines,
                                       const std::string& model = "assemblies=2,values=Alpha;Beta") {
    const std::filesystem::path path = folder_.path() / ("script" + std::to_string(scripts_++) + ".txt");
    torv_test::write_file(path, "load --generate " + model +
                                    ",path=" + (folder_.path() / "house.ifc").string() + "\nclick " +
                                    text("btn_uda3") + "\nclick " + text("btn_uda4") + "\n" + lines);
    return torv_test::run_torv_host({"--generate", "default", "--script", path.string()});
  }

  // A model file path in the test's folder, for a second model of the session.
  std::string model_path(const std::string& name) const { return (folder_.path() / name).string(); }

  // The lines of the output that begin with the prefix.
  static std::vector<std::string> lines_starting(const std::string& out, const std::string& prefix) {
    std::vector<std::string> found;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
      if (line.starts_with(prefix)) found.push_back(line);
    }
    return found;
  }

 private:
  torv_test::TempFolder folder_;
  int scripts_ = 0;
};

}  // namespace torv_test
