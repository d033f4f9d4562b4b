#include "allocation_count.h"

#include <cstdlib>
#include <new>

namespace {

std::size_t allocations = 0;

}  // namespace

// The program's operator new, counting; kept in a file of its own so that no caller sees the
// allocation function it is paired with.
void* operator new(std::size_t size) {
  ++allocations;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace torva::bench {

std::size_t allocation_count() { return allocations; }

}  // namespace torva::bench
