// What the kernel says of this process: a line of /proc/self/status.
#pragma once

#include <string>

namespace bench {

// The value of a line of /proc/self/status ("VmHWM", "VmRSS"...), in kB; 0 when it is not there.
double status_kb(const std::string& key);

}  // namespace bench
