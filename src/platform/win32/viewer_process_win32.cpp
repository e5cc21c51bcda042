// The process id beside its creation time (GetProcessTimes).
#include <windows.h>

#include <charconv>
#include <string>

#include "platform/viewer_process.h"

namespace platform {
namespace {

// The creation time of a running process, in 100 ns since 1601, as text; empty when none runs.
std::string creation_time(HANDLE process) {
  FILETIME created{};
  FILETIME exited{};
  FILETIME kernel{};
  FILETIME user{};
  if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) return {};
  return std::to_string(created.dwHighDateTime) + "x" + std::to_string(created.dwLowDateTime);
}

std::u16string widened(const std::string& text) { return std::u16string(text.begin(), text.end()); }

}  // namespace

std::u16string this_process_key() {
  return widened(std::to_string(GetCurrentProcessId()) + "_" + creation_time(GetCurrentProcess()));
}

bool process_running(std::u16string_view key) {
  const std::string text(key.begin(), key.end());
  const auto underscore = text.find('_');
  if (underscore == std::string::npos) return false;
  unsigned long id = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + underscore, id);
  if (error != std::errc() || end != text.data() + underscore) return false;
  const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(id));
  if (process == nullptr) return false;
  DWORD exit_code = 0;
  const bool alive = GetExitCodeProcess(process, &exit_code) && exit_code == STILL_ACTIVE &&
                     creation_time(process) == text.substr(underscore + 1);
  CloseHandle(process);
  return alive;
}

}  // namespace platform
