#include <gtest/gtest.h>
#include <oslayer/class_factory.h>
#include <toolbox/auto_lock.h>

#include <memory>
#include <thread>

namespace {

// Records what the scoped lock does with it.
class CountingLock final : public ILock {
 public:
  bool Lock() override { return ++depth, true; }
  bool Unlock() override { return --depth, true; }
  int depth = 0;
};

TEST(AutoLockTest, HoldsTheLockForItsLifetime) {
  CountingLock lock;
  {
    CAutoLock outer(&lock);
    EXPECT_EQ(lock.depth, 1);
    {
      CAutoLock inner(&lock);
      EXPECT_EQ(lock.depth, 2);
    }
    EXPECT_EQ(lock.depth, 1);
  }
  EXPECT_EQ(lock.depth, 0);
  CAutoLock none(nullptr);  // no lock, no crash
}

TEST(AutoLockTest, ExcludesAnotherThreadOnThePlatformLock) {
  std::unique_ptr<ILock> lock(static_cast<ILock*>(CClassFactory::GetInterface(IT_LOCK)));
  bool otherGotIt = true;
  {
    CAutoLock held(lock.get());
    std::thread other([&] {
      otherGotIt = lock->Unlock();  // not the holder: refused
    });
    other.join();
  }
  EXPECT_FALSE(otherGotIt);
  EXPECT_FALSE(lock->Unlock());  // released by the scope
}

}  // namespace
