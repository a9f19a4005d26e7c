#include "allocation_counter.h"

#include <cstdlib>
#include <new>

namespace {

long gAllocations = 0;

void* CountedAllocate(size_t size) {
  ++gAllocations;
  return std::malloc(size == 0 ? 1 : size);
}

}  // namespace

long AllocationCount() { return gAllocations; }

void* operator new(size_t size) {
  void* p = CountedAllocate(size);
  if (p == nullptr) throw std::bad_alloc();
  return p;
}
void* operator new[](size_t size) {
  void* p = CountedAllocate(size);
  if (p == nullptr) throw std::bad_alloc();
  return p;
}
void* operator new(size_t size, const std::nothrow_t&) noexcept { return CountedAllocate(size); }
void* operator new[](size_t size, const std::nothrow_t&) noexcept { return CountedAllocate(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, size_t) noexcept { std::free(p); }
void operator delete[](void* p, size_t) noexcept { std::free(p); }
