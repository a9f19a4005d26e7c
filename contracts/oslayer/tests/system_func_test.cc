#include <gtest/gtest.h>
#include <oslayer/system_func.h>

#include <thread>
#include <vector>

namespace {

TEST(SystemFuncTest, ReturnNewValueAndStayExactAcrossThreads) {
  int32_t count = 0;
  EXPECT_EQ(NSystemFunc::InterLockedIncrement(&count), 1);
  EXPECT_EQ(NSystemFunc::InterLockedDecrement(&count), 0);
  EXPECT_EQ(NSystemFunc::InterLockedDecrement(&count), -1);
  count = 0;
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&] {
      for (int i = 0; i < 20000; ++i) {
        NSystemFunc::InterLockedIncrement(&count);
        NSystemFunc::InterLockedDecrement(&count);
        NSystemFunc::InterLockedIncrement(&count);
      }
    });
  }
  for (auto& t : threads) t.join();
  EXPECT_EQ(count, 80000);
}

}  // namespace
