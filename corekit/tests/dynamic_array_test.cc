#include <corekit/dynamic_array.h>
#include <corekit/throwable.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>

#include "support/failing_allocation.h"
#include "support/throws.h"

namespace {

using corekit_test::FailingAllocation;
using corekit_test::ThrownMessage;
using zvlang::ArrayIndexOutOfBoundsException;

// A typed array of int32_t made the way every typed array is, with its protected parts open.
class Ints : public zvlang::CZvDynamicArray {
 public:
  Ints() : CZvDynamicArray(4) {
    if (!Construct(0)) zvlang::OutOfMemoryError::ThrowInstance();
  }
  ~Ints() = default;
  void add(int32_t v) {
    EnsureAtLeastFree(1);
    std::memcpy(static_cast<char*>(mData) + mSize * mElementSize, &v, sizeof v);
    ++mSize;
  }
  int32_t get(int i) const {
    VerifyIndexForGetting(i);
    int32_t v;
    std::memcpy(&v, static_cast<const char*>(mData) + i * mElementSize, sizeof v);
    return v;
  }
  int capacity() const { return mCapacity; }
  const void* data() const { return mData; }
  using CZvDynamicArray::Construct;
  using CZvDynamicArray::EnsureAtLeastFree;
  using CZvDynamicArray::EnsureCapacity;
  using CZvDynamicArray::EnsureCapacityNoThrow;
  using CZvDynamicArray::VerifyIndexForAdding;
  using CZvDynamicArray::VerifyIndexForGetting;
  using CZvDynamicArray::VerifyRange;
};

std::unique_ptr<Ints> ThreeInts() {
  auto ints = std::make_unique<Ints>();
  for (int v : {10, 20, 30}) ints->add(v);
  return ints;
}

TEST(DynamicArrayTest, StartsEmptyWithAnAllocatedBlock) {
  Ints ints;
  EXPECT_EQ(ints.size(), 0);
  EXPECT_TRUE(ints.isEmpty());
  EXPECT_EQ(ints.capacity(), 0);
  EXPECT_NE(ints.data(), nullptr);
}

TEST(DynamicArrayTest, GrowsBySeventeenWhenAddingOneAtATime) {
  Ints ints;
  ints.add(0);
  EXPECT_EQ(ints.capacity(), 17);
  for (int i = 1; i < 17; ++i) ints.add(i);
  EXPECT_EQ(ints.capacity(), 17);
  ints.add(17);
  EXPECT_EQ(ints.capacity(), 34);
  for (int i = 0; i < 18; ++i) EXPECT_EQ(ints.get(i), i);
  ints.EnsureAtLeastFree(20);  // 18 + 20 + 16
  EXPECT_EQ(ints.capacity(), 54);
}

TEST(DynamicArrayTest, EnsureCapacityGivesAtLeastSixteen) {
  Ints small;
  small.EnsureCapacity(5);
  EXPECT_EQ(small.capacity(), 16);
  Ints large;
  large.EnsureCapacity(20);
  large.EnsureCapacity(3);
  EXPECT_EQ(large.capacity(), 20);
  EXPECT_TRUE(large.EnsureCapacityNoThrow(20));
}

TEST(DynamicArrayTest, IndexChecksNameIndexAndLength) {
  auto three = ThreeInts();
  Ints& ints = *three;
  ints.VerifyIndexForAdding(3);
  ints.VerifyIndexForGetting(2);
  ints.VerifyRange(0, 3);
  ints.VerifyRange(2, 2);
  struct Case {
    const char* name;
    void (*check)(const Ints&);
    const char16_t* message;
  } cases[] = {
      {"getting at size", [](const Ints& a) { a.VerifyIndexForGetting(3); },
       u"Index: 3, Length: 3"},
      {"getting below 0", [](const Ints& a) { a.VerifyIndexForGetting(-1); },
       u"Index: -1, Length: 3"},
      {"adding past size", [](const Ints& a) { a.VerifyIndexForAdding(4); },
       u"Index: 4, Length: 3"},
      {"adding below 0", [](const Ints& a) { a.VerifyIndexForAdding(-1); },
       u"Index: -1, Length: 3"},
      {"range past end", [](const Ints& a) { a.VerifyRange(0, 4); }, u"toIndex: 4, Length: 3"},
      {"range reversed", [](const Ints& a) { a.VerifyRange(2, 1); },
       u"fromIndex: 2 is greater than toIndex: 1"},
      {"range from size", [](const Ints& a) { a.VerifyRange(3, 3); }, u"Index: 3, Length: 3"},
      {"get", [](const Ints& a) { a.get(5); }, u"Index: 5, Length: 3"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ThrownMessage<ArrayIndexOutOfBoundsException>([&] { c.check(ints); }), c.message);
  }
  try {
    ints.VerifyIndexForGetting(3);
  } catch (const zvlang::Throwable& t) {
    EXPECT_EQ(t.toString(),
              u"com.zavo.lang.ArrayIndexOutOfBoundsException:\nIndex: 3, Length: 3\n");
  }
}

TEST(DynamicArrayTest, TrimToSizeKeepsTheElements) {
  auto three = ThreeInts();
  Ints& ints = *three;
  EXPECT_EQ(ints.capacity(), 17);
  ints.trimToSize();
  EXPECT_EQ(ints.capacity(), 3);
  EXPECT_EQ(ints.get(0), 10);
  EXPECT_EQ(ints.get(2), 30);
  ints.add(40);
  EXPECT_EQ(ints.capacity(), 20);
}

TEST(DynamicArrayTest, AllocationFailuresChangeNothing) {
  {
    Ints ints;
    FailingAllocation failing(1);
    EXPECT_FALSE(ints.Construct(8));
    EXPECT_EQ(ints.capacity(), 0);
  }
  {
    auto three = ThreeInts();
    Ints& ints = *three;
    const void* block = ints.data();
    {
      FailingAllocation failing(1);
      EXPECT_FALSE(ints.EnsureCapacityNoThrow(100));
    }
    EXPECT_EQ(ints.capacity(), 17);
    EXPECT_EQ(ints.data(), block);
    {
      FailingAllocation failing(1);
      ints.trimToSize();  // gives up quietly
    }
    EXPECT_EQ(ints.capacity(), 17);
    EXPECT_EQ(ints.get(2), 30);
  }
  EXPECT_GT(corekit_test::ExpectEachAllocationFailureThrows(
                [] {
                  auto ints = std::make_unique<Ints>();
                  for (int i = 0; i < 17; ++i) ints->add(i);
                  return ints;
                },
                [](std::unique_ptr<Ints>& ints) { ints->add(17); },
                [](std::unique_ptr<Ints>& ints) {
                  EXPECT_EQ(ints->size(), 17);
                  EXPECT_EQ(ints->capacity(), 17);
                  EXPECT_EQ(ints->get(16), 16);
                }),
            0);
  EXPECT_GT(corekit_test::ExpectEachAllocationFailureThrows([] { return 0; },
                                                            [](int) { Ints ints; }, [](int) {}),
            0);
}

TEST(DynamicArrayTest, SizesTooLargeForMemoryFailCleanly) {
  auto three = ThreeInts();
  Ints& ints = *three;
  EXPECT_FALSE(ints.EnsureCapacityNoThrow(0x7FFFFFFF));
  EXPECT_EQ(ints.capacity(), 17);
  EXPECT_THROW(ints.EnsureAtLeastFree(0x7FFFFFF0), zvlang::OutOfMemoryError);
  EXPECT_EQ(ints.size(), 3);
}

}  // namespace
