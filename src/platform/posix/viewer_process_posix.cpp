// /proc/PID/stat's start time (field 22) beside the process number.
#include <unistd.h>

#include <charconv>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/utf8.h"
#include "platform/viewer_process.h"

namespace platform {
namespace {

// The start time of a running process, in clock ticks since boot; empty when none runs.
std::string start_time(const std::string& pid) {
  std::ifstream stat("/proc/" + pid + "/stat");
  std::string line;
  if (!std::getline(stat, line)) return {};
  // The command name in parentheses may hold blanks: the fields are counted after its end.
  const auto name_end = line.rfind(')');
  if (name_end == std::string::npos) return {};
  std::istringstream fields(line.substr(name_end + 1));
  std::string field;
  for (int number = 3; number <= 22 && fields >> field; ++number) {
    if (number == 22) return field;
  }
  return {};
}

}  // namespace

std::u16string this_process_key() {
  // A process keeps its number and start time: /proc is read once, not at every save.
  static const std::u16string key = [] {
    const std::string pid = std::to_string(getpid());
    return from_utf8(pid + "_" + start_time(pid));
  }();
  return key;
}

bool process_running(std::u16string_view key) {
  const std::string text = to_utf8(std::u16string(key));
  const auto underscore = text.find('_');
  if (underscore == std::string::npos) return false;
  const std::string pid = text.substr(0, underscore);
  int number = 0;
  const auto [end, error] = std::from_chars(pid.data(), pid.data() + pid.size(), number);
  if (error != std::errc() || end != pid.data() + pid.size() || number <= 0) return false;
  const std::string started = start_time(pid);
  return !started.empty() && started == text.substr(underscore + 1);
}

}  // namespace platform
