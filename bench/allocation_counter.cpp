#include "bench/allocation_counter.h"

#include <atomic>
#include <cstdlib>
#include <new>

// The counter has to be process-wide to see every allocation; it lives only in the
// benchmark binary and is only ever incremented.
namespace {
std::atomic<std::size_t> allocations{0};

void* Allocate(std::size_t size) {
  allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* block = std::malloc(size == 0 ? 1 : size))
    return block;
  throw std::bad_alloc();
}
}  // namespace

namespace pfc::bench {
std::size_t AllocationCount() {
  return allocations.load(std::memory_order_relaxed);
}
}  // namespace pfc::bench

void* operator new(std::size_t size) {
  return Allocate(size);
}
void* operator new[](std::size_t size) {
  return Allocate(size);
}
void operator delete(void* block) noexcept {
  std::free(block);
}
void operator delete[](void* block) noexcept {
  std::free(block);
}
void operator delete(void* block, std::size_t) noexcept {
  std::free(block);
}
void operator delete[](void* block, std::size_t) noexcept {
  std::free(block);
}
