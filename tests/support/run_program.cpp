// torv-host through the system's command interpreter, its output redirected to files.
#include "support/run_program.h"

#include <cstdlib>
#include <filesystem>

#include "support/host_fixture.h"
#include "support/process_environment.h"
#include "support/temp_folder.h"

namespace torv_test {
namespace {

std::string without_carriage_returns(std::string text) {
  std::erase(text, '\r');
  return text;
}

}  // namespace

ProgramResult run_torv_host(const std::vector<std::string>& arguments,
                            const std::filesystem::path& working_folder) {
  const TempFolder folder;
  const char* program = library_extension() == ".dll" ? "torv-host.exe" : "torv-host";
  std::string command = (built_folder() / program).string();
  if (!working_folder.empty()) command = "cd " + working_folder.string() + " && " + command;
  for (const std::string& argument : arguments) command += " " + argument;
  command += " > " + (folder.path() / "out.txt").string() + " 2> " + (folder.path() / "errors.txt").string();
  ProgramResult result;
  result.exit_code = exit_code_of(std::system(command.c_str()));
  result.out = without_carriage_returns(read_file(folder.path() / "out.txt"));
  result.errors = without_carriage_returns(read_file(folder.path() / "errors.txt"));
  return result;
}

}  // namespace torv_test
