#include "failing_allocation.h"

#include <cstdlib>
#include <new>

namespace {

struct State {
  int countdown = 0;  // 0: not armed
  bool fired = false;
  int counters = 0;
  int allocations = 0;
  int frees = 0;
};

// Constant-initialised: the library's load-time allocations come through here already.
constinit State state;

// Whether this non-throwing allocation is the one to fail.
bool FailNow() {
  if (state.counters > 0) ++state.allocations;
  if (state.countdown == 0) return false;
  if (--state.countdown > 0) return false;
  state.fired = true;
  return true;
}

void* Allocate(std::size_t n) { return std::malloc(n == 0 ? 1 : n); }

void* AllocateAligned(std::size_t n, std::align_val_t alignment) {
  std::size_t a = static_cast<std::size_t>(alignment);
  if (a < sizeof(void*)) a = sizeof(void*);
  void* p = nullptr;
  return posix_memalign(&p, a, n == 0 ? 1 : n) == 0 ? p : nullptr;
}

void Free(void* p) noexcept {
  if (p == nullptr) return;
  if (state.counters > 0) ++state.frees;
  std::free(p);
}

}  // namespace

namespace corekit_test {

FailingAllocation::FailingAllocation(int nth) {
  state.fired = false;
  state.countdown = nth;
}

FailingAllocation::~FailingAllocation() { state.countdown = 0; }

bool FailingAllocation::Fired() const { return state.fired; }

AllocationCounter::AllocationCounter() {
  if (state.counters++ == 0) {
    state.allocations = 0;
    state.frees = 0;
  }
}

AllocationCounter::~AllocationCounter() { --state.counters; }

int AllocationCounter::Allocations() const { return state.allocations; }

int AllocationCounter::Frees() const { return state.frees; }

}  // namespace corekit_test

void* operator new(std::size_t n) {
  void* p = Allocate(n);
  if (p == nullptr) throw std::bad_alloc();
  return p;
}

void* operator new[](std::size_t n) { return ::operator new(n); }

void* operator new(std::size_t n, const std::nothrow_t&) noexcept {
  return FailNow() ? nullptr : Allocate(n);
}

void* operator new[](std::size_t n, const std::nothrow_t&) noexcept {
  return FailNow() ? nullptr : Allocate(n);
}

void* operator new(std::size_t n, std::align_val_t a) {
  void* p = AllocateAligned(n, a);
  if (p == nullptr) throw std::bad_alloc();
  return p;
}

void* operator new[](std::size_t n, std::align_val_t a) { return ::operator new(n, a); }

void* operator new(std::size_t n, std::align_val_t a, const std::nothrow_t&) noexcept {
  return FailNow() ? nullptr : AllocateAligned(n, a);
}

void* operator new[](std::size_t n, std::align_val_t a, const std::nothrow_t&) noexcept {
  return FailNow() ? nullptr : AllocateAligned(n, a);
}

void operator delete(void* p) noexcept { Free(p); }
void operator delete[](void* p) noexcept { Free(p); }
void operator delete(void* p, std::size_t) noexcept { Free(p); }
void operator delete[](void* p, std::size_t) noexcept { Free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { Free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { Free(p); }
void operator delete(void* p, std::align_val_t) noexcept { Free(p); }
void operator delete[](void* p, std::align_val_t) noexcept { Free(p); }
void operator delete(void* p, std::size_t, std::align_val_t) noexcept { Free(p); }
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept { Free(p); }
void operator delete(void* p, std::align_val_t, const std::nothrow_t&) noexcept { Free(p); }
void operator delete[](void* p, std::align_val_t, const std::nothrow_t&) noexcept { Free(p); }
