// The viewer process the plug-in runs in, told apart from every other one: a process number is
// used again after its process ends, so its start time goes with it.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// This process's key: its number and start time, as digits and underscores fit for a file name.
std::u16string this_process_key();

// Whether the process a key names is still running (this one included).
bool process_running(std::u16string_view key);

}  // namespace platform
