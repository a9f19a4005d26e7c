// Makes the non-throwing allocations of CoreKit fail on demand.
//
// The test program replaces the global operator new and delete (all forms, over malloc and free,
// so that AddressSanitizer pairs them consistently). The non-throwing forms, which are the only
// ones CoreKit uses, count down while a FailingAllocation lives; the throwing forms, used by the
// test framework and the standard library, never fail.
#pragma once

#include <corekit/throwable.h>
#include <gtest/gtest.h>

#include "text.h"  // every test that compares strings must see their printer

namespace corekit_test {

// While it lives, the nth non-throwing allocation (1 = the next) returns null.
class FailingAllocation {
 public:
  explicit FailingAllocation(int nth);
  ~FailingAllocation();
  FailingAllocation(const FailingAllocation&) = delete;
  FailingAllocation& operator=(const FailingAllocation&) = delete;
  // Whether the nth allocation happened (and failed).
  bool Fired() const;
};

// While it lives, counts non-throwing allocations and frees of non-null blocks.
class AllocationCounter {
 public:
  AllocationCounter();
  ~AllocationCounter();
  AllocationCounter(const AllocationCounter&) = delete;
  AllocationCounter& operator=(const AllocationCounter&) = delete;
  int Allocations() const;
  int Frees() const;
};

// Runs op(state) on a fresh state = make() with its 1st, 2nd, ... non-throwing allocation
// failing, until a run in which no allocation failed. Every failing run must throw
// OutOfMemoryError and leave the state as verify(state) expects; the run without a failure
// must complete. Returns the number of failing runs.
template <class Make, class Op, class Verify>
int ExpectEachAllocationFailureThrows(Make make, Op op, Verify verify) {
  for (int n = 1; n <= 10000; ++n) {
    SCOPED_TRACE(testing::Message() << "allocation " << n << " fails");
    auto state = make();
    bool threw = false;
    bool completed = false;
    bool fired = false;
    {
      FailingAllocation failing(n);
      try {
        op(state);
        completed = true;
      } catch (const zvlang::OutOfMemoryError&) {
        threw = true;
      }
      fired = failing.Fired();
    }
    if (!fired) {
      EXPECT_TRUE(completed);
      return n - 1;
    }
    EXPECT_TRUE(threw) << "the failure did not surface as OutOfMemoryError";
    verify(state);
  }
  ADD_FAILURE() << "the operation never completed";
  return -1;
}

}  // namespace corekit_test
