// POSIX: std::system returns a wait status; setenv sets variables.
#include <dlfcn.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <cstdlib>

#include "support/process_environment.h"

namespace torv_test {

int exit_code_of(int system_status) { return WIFEXITED(system_status) ? WEXITSTATUS(system_status) : -1; }

int run_command_line(const std::string& utf8_command) {
  return exit_code_of(std::system(utf8_command.c_str()));
}

std::FILE* start_program_with_input(const std::string& utf8_command) {
  return popen(utf8_command.c_str(), "w");
}

int finish_program(std::FILE* input) { return exit_code_of(pclose(input)); }

void set_environment(const std::string& name, const std::string& value) {
  setenv(name.c_str(), value.c_str(), 1);
}

std::optional<std::uint32_t> system_colorref(int) { return std::nullopt; }

bool library_in_process(const std::filesystem::path& library) {
  void* handle = dlopen(library.c_str(), RTLD_LAZY | RTLD_NOLOAD);
  if (handle == nullptr) return false;
  dlclose(handle);
  return true;
}

}  // namespace torv_test

// Defined by the sanitizer runtime when the program is built with LeakSanitizer, else null.
extern "C" __attribute__((weak)) int __lsan_do_recoverable_leak_check();

namespace torv_test {

bool leak_check_finds_leaks() {
  return __lsan_do_recoverable_leak_check != nullptr && __lsan_do_recoverable_leak_check() != 0;
}

bool windows_can_be_made() { return true; }

bool display_given() { return std::getenv("DISPLAY") != nullptr; }

}  // namespace torv_test
