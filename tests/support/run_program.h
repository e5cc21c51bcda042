// Runs a program of the build as a user would, and collects what it prints.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace torv_test {

struct ProgramResult {
  int exit_code = -1;
  std::string out;  // line ends normalised to LF
  std::string errors;
};

// Arguments, UTF-8, must not need quoting (no blanks). torv-host is the one of the build; it runs
// in working_folder when one is given, else in the test's own, and through launcher (a command
// line such as one that runs it as another user) when one is given.
ProgramResult run_torv_host(const std::vector<std::string>& arguments,
                            const std::filesystem::path& working_folder = {},
                            const std::string& launcher = {});

}  // namespace torv_test
