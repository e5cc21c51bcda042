// Replaces operator new and delete to count the bytes live on the heap (by malloc's usable size,
// which is what each block holds of the heap). Built as an object library: linked into the programs
// that measure memory only, so that the timing benchmarks keep the plain allocator.
#include "support/counting_allocator.h"

#include <malloc.h>

#include <cstdlib>
#include <new>

namespace {

std::size_t live_bytes = 0;
std::size_t peak_bytes = 0;

void* counted_allocation(std::size_t size) {
  void* memory = std::malloc(size == 0 ? 1 : size);
  if (memory == nullptr) throw std::bad_alloc();
  live_bytes += malloc_usable_size(memory);
  if (live_bytes > peak_bytes) peak_bytes = live_bytes;
  return memory;
}

void counted_release(void* memory) {
  if (memory == nullptr) return;
  live_bytes -= malloc_usable_size(memory);
  std::free(memory);
}

}  // namespace

namespace bench {

std::size_t heap_live_bytes() { return live_bytes; }
std::size_t heap_peak_bytes() { return peak_bytes; }
void reset_heap_peak() { peak_bytes = live_bytes; }

}  // namespace bench

void* operator new(std::size_t size) { return counted_allocation(size); }
void* operator new[](std::size_t size) { return counted_allocation(size); }
void operator delete(void* memory) noexcept { counted_release(memory); }
void operator delete[](void* memory) noexcept { counted_release(memory); }
void operator delete(void* memory, std::size_t) noexcept { counted_release(memory); }
void operator delete[](void* memory, std::size_t) noexcept { counted_release(memory); }
