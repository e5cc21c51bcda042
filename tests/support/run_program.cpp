// torv-host through the system's command interpreter, its output redirected to files.
#include "support/run_program.h"

#include <filesystem>

#include "platform/utf8.h"

#include "support/host_fixture.h"
#include "support/process_environment.h"
#include "support/temp_folder.h"

namespace torv_test {
namespace {

std::string utf8_of(const std::filesystem::path& path) { return platform::to_utf8(path.u16string()); }

std::string without_carriage_returns(std::string text) {
  std::erase(text, '\r');
  return text;
}

}  // namespace

ProgramResult run_torv_host(const std::vector<std::string>& arguments,
                            const std::filesystem::path& working_folder, const std::string& launcher) {
  const TempFolder folder;
  const bool windows = library_extension() == ".dll";
  std::string command = utf8_of(built_folder() / (windows ? "torv-host.exe" : "torv-host"));
  if (!launcher.empty()) command = launcher + " " + command;
  // cmd's cd changes the drive too only with /d.
  if (!working_folder.empty())
    command = (windows ? "cd /d " : "cd ") + utf8_of(working_folder) + " && " + command;
  for (const std::string& argument : arguments) command += " " + argument;
  command += " > " + utf8_of(folder.path() / "out.txt") + " 2> " + utf8_of(folder.path() / "errors.txt");
  ProgramResult result;
  result.exit_code = run_command_line(command);
  result.out = without_carriage_returns(read_file(folder.path() / "out.txt"));
  result.errors = without_carriage_returns(read_file(folder.path() / "errors.txt"));
  return result;
}

}  // namespace torv_test
