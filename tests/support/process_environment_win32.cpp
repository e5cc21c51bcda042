// Windows: std::system returns the exit code; _putenv_s sets variables. No leak checker runs here.
#include <stdlib.h>

#include <windows.h>
#include <cstdlib>

#include "platform/utf8.h"
#include "support/process_environment.h"

namespace torv_test {

int exit_code_of(int system_status) { return system_status; }

int run_command_line(const std::string& utf8_command) {
  return _wsystem(reinterpret_cast<const wchar_t*>(platform::from_utf8(utf8_command).c_str()));
}

std::FILE* start_program_with_input(const std::string& utf8_command) {
  // cmd.exe takes away the first and the last quote of a command line that begins with one: the
  // command's own quotes survive inside a pair of its own.
  const std::u16string command = platform::from_utf8("\"" + utf8_command + "\"");
  return _wpopen(reinterpret_cast<const wchar_t*>(command.c_str()), L"w");
}

int finish_program(std::FILE* input) { return _pclose(input); }

void set_environment(const std::string& name, const std::string& value) {
  _putenv_s(name.c_str(), value.c_str());
}

std::optional<std::uint32_t> system_colorref(int index) { return GetSysColor(index); }

bool library_in_process(const std::filesystem::path& library) {
  return GetModuleHandleW(library.c_str()) != nullptr;
}

namespace {

bool window_made() {
  const HWND probe =
      CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  if (probe == nullptr) return false;
  DestroyWindow(probe);
  return true;
}

}  // namespace

bool display_given() {
  const char* display = std::getenv("DISPLAY");
  return display != nullptr && *display != '\0';
}

bool windows_can_be_made() {
  // A virtual display that has just been started may take a moment before Wine can use it.
  const int tries = display_given() ? 40 : 1;
  for (int attempt = 0; attempt < tries; ++attempt) {
    if (window_made()) return true;
    if (attempt + 1 < tries) Sleep(250);
  }
  return false;
}

bool leak_check_finds_leaks() { return false; }

}  // namespace torv_test
