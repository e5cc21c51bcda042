// The stand-in viewer's own memory as the system counts it, for runs that watch a long session.
#pragma once

#include <cstdint>
#include <optional>

namespace host {

struct ProcessMemory {
  std::uint64_t working_set_kb = 0;       // resident now
  std::uint64_t peak_working_set_kb = 0;  // the most resident at any time since the start
};

// None where the system does not say.
std::optional<ProcessMemory> process_memory();

}  // namespace host
