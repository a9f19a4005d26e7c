#include <gtest/gtest.h>
#include <oslayer/class_factory.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

namespace {

std::unique_ptr<ILock> NewLock() {
  return std::unique_ptr<ILock>(static_cast<ILock*>(CClassFactory::GetInterface(IT_LOCK)));
}

TEST(LockTest, ReenteredOnOneThreadAndExcludingAnother) {
  auto lock = NewLock();
  ASSERT_TRUE(lock->Lock());
  ASSERT_TRUE(lock->Lock());  // the holder takes it again

  std::atomic<bool> taken{false};
  std::thread other([&] {
    lock->Lock();
    taken = true;
    lock->Unlock();
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_FALSE(taken);
  EXPECT_TRUE(lock->Unlock());
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_FALSE(taken);  // still held once
  EXPECT_TRUE(lock->Unlock());
  other.join();
  EXPECT_TRUE(taken);
}

TEST(LockTest, UnlockByAThreadThatDoesNotHoldItFails) {
  auto lock = NewLock();
  EXPECT_FALSE(lock->Unlock());
  ASSERT_TRUE(lock->Lock());
  bool result = true;
  std::thread other([&] { result = lock->Unlock(); });
  other.join();
  EXPECT_FALSE(result);
  EXPECT_TRUE(lock->Unlock());
  EXPECT_FALSE(lock->Unlock());
}

TEST(LockTest, SerialisesCounting) {
  auto lock = NewLock();
  int counter = 0;
  auto work = [&] {
    for (int i = 0; i < 10000; ++i) {
      lock->Lock();
      lock->Lock();
      ++counter;
      lock->Unlock();
      lock->Unlock();
    }
  };
  std::thread a(work), b(work);
  a.join();
  b.join();
  EXPECT_EQ(counter, 20000);
}

}  // namespace
