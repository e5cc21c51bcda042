// The host's few needs of the operating system, on POSIX.
#include <sys/personality.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <iostream>

#include "app/host_platform.h"
#include "platform/utf8.h"

namespace host {

void start_with_fixed_addresses(char** argv) {
  // Valgrind lays the addresses out the same every run itself, and its /proc/self/exe is its own.
  if (const char* preload = std::getenv("LD_PRELOAD");
      preload != nullptr && std::strstr(preload, "vgpreload"))
    return;
  const int current = personality(0xffffffff);
  if (current == -1 || (current & ADDR_NO_RANDOMIZE) != 0) return;
  if (personality(static_cast<unsigned long>(current) | ADDR_NO_RANDOMIZE) == -1) return;
  execv("/proc/self/exe", argv);
  // Not started again: this run goes on with the addresses it has.
}

std::vector<std::string> command_line_arguments(int argc, char** argv) {
  return std::vector<std::string>(argv + 1, argv + argc);
}

std::u16string executable_folder() {
  std::string path(4096, '\0');
  const ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
  path.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
  return platform::from_utf8(path.substr(0, path.rfind('/') + 1));
}

const char16_t* default_plugin_file_name() { return u"torv.so"; }

std::u16string local_app_data_folder() {
  if (const char* data_home = std::getenv("XDG_DATA_HOME"); data_home != nullptr && *data_home != '\0')
    return platform::from_utf8(data_home);
  const char* home = std::getenv("HOME");
  return platform::from_utf8(std::string(home != nullptr ? home : "") + "/.local/share");
}

bool input_is_terminal() { return isatty(STDIN_FILENO) != 0; }

std::istream& standard_input() { return std::cin; }

void* main_window() { return nullptr; }

void set_system_clipboard(const std::u16string&) {}

std::string change_system_setting(const std::string&, const std::string&) {
  return "system settings are changed in the Windows build only";
}

}  // namespace host
