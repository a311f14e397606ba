#include "tests/widgets/FailingAllocator.h"

#include <cstdlib>
#include <new>

namespace {
bool g_failNext = false;
}  // namespace

void FailNextAllocation() { g_failNext = true; }

void* operator new(std::size_t size) {
  if (g_failNext) {
    g_failNext = false;
    throw std::bad_alloc();
  }
  if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
  throw std::bad_alloc();
}

void operator delete(void* memory) noexcept { std::free(memory); }

void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
