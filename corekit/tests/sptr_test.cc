#include <corekit/sptr.h>
#include <corekit/unknown.h>
#include <gtest/gtest.h>

namespace {

// Counts references and records its own destruction.
class Counted final : public zvlang::ZvUnknownItf {
 public:
  explicit Counted(int* destroyed) : mDestroyed(destroyed) {}
  ~Counted() { ++*mDestroyed; }
  int AddRef() const override { return ++mRefCount; }
  int Release() const override {
    int count = --mRefCount;
    if (count == 0) delete this;
    return count;
  }
  int Count() const { return mRefCount; }

 private:
  mutable int mRefCount = 0;
  int* mDestroyed;
};

TEST(SPtrTest, IsOnePointer) { static_assert(sizeof(SPtr<Counted>) == sizeof(Counted*)); }

TEST(SPtrTest, NewObjectGetsCountOneAndDiesWithTheLastPointer) {
  int destroyed = 0;
  {
    SPtr<Counted> a(new Counted(&destroyed));
    EXPECT_EQ(a->Count(), 1);
    {
      SPtr<Counted> b = a;
      EXPECT_EQ(a->Count(), 2);
    }
    EXPECT_EQ(destroyed, 0);
    EXPECT_EQ(a->Count(), 1);
  }
  EXPECT_EQ(destroyed, 1);
}

TEST(SPtrTest, SelfAssignmentKeepsTheCount) {
  int destroyed = 0;
  SPtr<Counted> a(new Counted(&destroyed));
  SPtr<Counted>& alias = a;
  a = alias;
  a = a.Get();
  EXPECT_EQ(a->Count(), 1);
  EXPECT_EQ(destroyed, 0);
}

TEST(SPtrTest, AssigningNullReleasesAndDestroyingNullDoesNothing) {
  int destroyed = 0;
  SPtr<Counted> a(new Counted(&destroyed));
  a = nullptr;
  EXPECT_TRUE(a.IsNull());
  EXPECT_EQ(destroyed, 1);
  SPtr<Counted> empty;
  EXPECT_FALSE(empty);
}

TEST(SPtrTest, AssigningAnotherObjectReleasesTheOldOneFirst) {
  int first = 0, second = 0;
  SPtr<Counted> a(new Counted(&first));
  SPtr<Counted> b(new Counted(&second));
  a = b;
  EXPECT_EQ(first, 1);
  EXPECT_EQ(second, 0);
  EXPECT_EQ(b->Count(), 2);
}

}  // namespace
