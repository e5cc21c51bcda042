// The heap as the program's operator new and delete see it: a program that links the counting
// allocator replaces them (the plug-in library allocates through them too) and reads here the bytes
// live on the heap and their peak.
#pragma once

#include <cstddef>

namespace bench {

std::size_t heap_live_bytes();
std::size_t heap_peak_bytes();
// The peak from here on counts from the bytes live now.
void reset_heap_peak();

}  // namespace bench
