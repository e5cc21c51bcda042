// Fetching the viewer's texts ahead of reading them. Writing a file, the plug-in reads texts that
// lie scattered through the viewer's model; asking for those of an object a few places on lets
// their cache misses overlap instead of each waiting for the one before.
#pragma once

#include <cstddef>
#include <vector>

namespace viewer {

// How many records ahead a writer asks for: enough to cover a cache miss, few enough that the
// lines are still there when it comes to them.
inline constexpr std::size_t fetch_distance = 8;

// Asks the processor for the lines of each of texts (null ones included: a fetch never faults).
template <typename... Texts>
void fetch_ahead(const Texts*... texts) {
  (__builtin_prefetch(texts), ...);
}

}  // namespace viewer
