#include <corekit/array.h>
#include <corekit/integer.h>
#include <corekit/throwable.h>
#include <gtest/gtest.h>

#include "support/failing_allocation.h"
#include "support/throws.h"

namespace {

using corekit_test::ThrownMessage;
using zvlang::CZvArray;

// Counts its live instances, to show which elements the array releases.
class Tracked final : public zvlang::ZvUnknownItf {
 public:
  explicit Tracked(int value) : mValue(value) { ++sLive; }
  ~Tracked() { --sLive; }
  int AddRef() const override { return ++mRefCount; }
  int Release() const override {
    int count = --mRefCount;
    if (count == 0) delete this;
    return count;
  }
  int Count() const { return mRefCount; }
  int Value() const { return mValue; }
  static int sLive;

 private:
  mutable int mRefCount = 0;
  int mValue;
};
int Tracked::sLive = 0;

using TrackedArray = CZvArray<SPtr<Tracked>>;

TEST(ArrayTest, HoldsCountedElementsAndReleasesThemWhenDestroyed) {
  ASSERT_EQ(Tracked::sLive, 0);
  {
    SPtr<TrackedArray> array = TrackedArray::Create();
    EXPECT_TRUE(array->isEmpty());
    SPtr<Tracked> first(new Tracked(1));
    array->add(first);
    EXPECT_EQ(first->Count(), 2);
    for (int i = 2; i <= 40; ++i) array->add(SPtr<Tracked>(new Tracked(i)));  // grows twice
    EXPECT_EQ(array->size(), 40);
    EXPECT_EQ(Tracked::sLive, 40);
    for (int i = 0; i < 40; ++i) EXPECT_EQ(array->get(i)->Value(), i + 1);
    EXPECT_EQ(array->get(0).Get(), first.Get());
    array->trimToSize();
    EXPECT_EQ(array->get(39)->Value(), 40);
  }
  EXPECT_EQ(Tracked::sLive, 0);
}

TEST(ArrayTest, ClearReleasesTheElementsAndKeepsTheArrayUsable) {
  SPtr<TrackedArray> array = TrackedArray::Create();
  for (int i = 0; i < 3; ++i) array->add(SPtr<Tracked>(new Tracked(i)));
  array->clear();
  EXPECT_EQ(array->size(), 0);
  EXPECT_EQ(Tracked::sLive, 0);
  array->add(SPtr<Tracked>(new Tracked(9)));
  EXPECT_EQ(array->get(0)->Value(), 9);
}

TEST(ArrayTest, AddingAnElementOfTheSameArrayWhileGrowing) {
  SPtr<TrackedArray> array = TrackedArray::Create();
  for (int i = 0; i < 17; ++i) array->add(SPtr<Tracked>(new Tracked(i)));
  array->add(array->get(3));  // the block is full: the element's old slot is freed
  EXPECT_EQ(array->size(), 18);
  EXPECT_EQ(array->get(17).Get(), array->get(3).Get());
  EXPECT_EQ(array->get(3)->Count(), 2);
}

TEST(ArrayTest, GetChecksTheIndex) {
  SPtr<CZvArray<int>> array = CZvArray<int>::Create();
  array->add(5);
  const CZvArray<int>& view = *array;
  EXPECT_EQ(view.get(0), 5);
  array->get(0) = 6;
  EXPECT_EQ(view.get(0), 6);
  EXPECT_EQ(ThrownMessage<zvlang::ArrayIndexOutOfBoundsException>([&] { view.get(1); }),
            u"Index: 1, Length: 1");
  EXPECT_EQ(ThrownMessage<zvlang::ArrayIndexOutOfBoundsException>([&] { view.get(-1); }),
            u"Index: -1, Length: 1");
}

TEST(ArrayTest, ACountedArrayDiesWithItsLastPointer) {
  SPtr<CZvArray<SPtr<zvlang::CZvInteger>>> a = CZvArray<SPtr<zvlang::CZvInteger>>::Create();
  SPtr<zvlang::CZvInteger> seven = zvlang::CZvInteger::valueOf(7);
  a->add(seven);
  SPtr<CZvArray<SPtr<zvlang::CZvInteger>>> b = a;
  a = nullptr;
  EXPECT_EQ(b->get(0)->intValue(), 7);
  b = nullptr;
  EXPECT_EQ(seven->AddRef(), 2);  // only this test holds it again
  seven->Release();
}

TEST(ArrayTest, AllocationFailuresLeaveTheArrayAsItWas) {
  EXPECT_GT(corekit_test::ExpectEachAllocationFailureThrows(
                [] {
                  SPtr<TrackedArray> array = TrackedArray::Create();
                  for (int i = 0; i < 17; ++i) array->add(SPtr<Tracked>(new Tracked(i)));
                  return array;
                },
                [](SPtr<TrackedArray>& array) { array->add(SPtr<Tracked>(new Tracked(17))); },
                [](SPtr<TrackedArray>& array) {
                  EXPECT_EQ(array->size(), 17);
                  EXPECT_EQ(array->get(16)->Value(), 16);
                  EXPECT_EQ(Tracked::sLive, 17);
                }),
            0);
  EXPECT_GT(corekit_test::ExpectEachAllocationFailureThrows(
                [] { return 0; }, [](int) { TrackedArray::Create(); }, [](int) {}),
            0);
  EXPECT_EQ(Tracked::sLive, 0);
}

}  // namespace
