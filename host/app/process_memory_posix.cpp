// The resident set and its high-water mark, from the kernel's own account of the process.
#include <fstream>
#include <string>

#include "app/process_memory.h"

namespace host {

std::optional<ProcessMemory> process_memory() {
  std::ifstream status("/proc/self/status");
  ProcessMemory memory;
  int found = 0;
  for (std::string line; std::getline(status, line);) {
    // "VmRSS:    123456 kB"
    const auto value = [&] { return std::stoull(line.substr(line.find(':') + 1)); };
    if (line.starts_with("VmRSS:")) {
      memory.working_set_kb = value();
      ++found;
    } else if (line.starts_with("VmHWM:")) {
      memory.peak_working_set_kb = value();
      ++found;
    }
  }
  if (found != 2) return std::nullopt;
  return memory;
}

}  // namespace host
