// Reading /proc/self/status.
#include "support/process_status.h"

#include <fstream>

namespace bench {

double status_kb(const std::string& key) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.starts_with(key + ":")) return std::stod(line.substr(key.size() + 1));
  }
  return 0;
}

}  // namespace bench
