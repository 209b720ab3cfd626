#include "shell/win32/allocation.h"

#include <cstdlib>
#include <new>

namespace {

std::size_t failedAllocationSize = 0;

}  // namespace

namespace hexdec {

std::size_t lastFailedAllocationSize() { return failedAllocationSize; }

}  // namespace hexdec

// Replaces the global allocation functions, which the array and non-throwing forms call in turn,
// so that every std::bad_alloc of the program comes with the number of bytes asked for.
void* operator new(std::size_t size) {
  if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
  failedAllocationSize = size;
  throw std::bad_alloc();
}

void operator delete(void* memory) noexcept { std::free(memory); }

void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
