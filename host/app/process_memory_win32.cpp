// The working set and its peak, as Task Manager shows them.
#include <windows.h>

#include <psapi.h>

#include "app/process_memory.h"

namespace host {

std::optional<ProcessMemory> process_memory() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  if (!K32GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) return std::nullopt;
  return ProcessMemory{static_cast<std::uint64_t>(counters.WorkingSetSize) / 1024,
                       static_cast<std::uint64_t>(counters.PeakWorkingSetSize) / 1024};
}

}  // namespace host
