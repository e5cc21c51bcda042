// Runs a program of the build as a user would, and collects what it prints.
#pragma once

#include <string>
#include <vector>

namespace torv_test {

struct ProgramResult {
  int exit_code = -1;
  std::string out;  // line ends normalised to LF
  std::string errors;
};

// Arguments must not need quoting (no blanks); torv-host runs from the built folder.
ProgramResult run_torv_host(const std::vector<std::string>& arguments);

}  // namespace torv_test
