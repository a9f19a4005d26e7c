#include <gtest/gtest.h>
#include <oslayer/time_man.h>
#include <stdlib.h>
#include <time.h>

#include <chrono>
#include <optional>
#include <string>

namespace {

class ZoneTest : public testing::Test {
 protected:
  void SetZone(const char* zone) {
    setenv("TZ", zone, 1);
    tzset();
  }
  void TearDown() override {
    if (mOld) {
      setenv("TZ", mOld->c_str(), 1);
    } else {
      unsetenv("TZ");
    }
    tzset();
  }
  std::optional<std::string> mOld =
      getenv("TZ") ? std::optional<std::string>(getenv("TZ")) : std::nullopt;
};

TEST_F(ZoneTest, LocalIsUtcPlusTheZoneOffset) {
  SetZone("UTC-3");  // POSIX sign: three hours east
  const int64_t gmt = NTimeMan::GetGmtMilliSecSince1970();
  const int64_t local = NTimeMan::GetMilliSecSince1970();
  EXPECT_NEAR(static_cast<double>(local - gmt), 3 * 3600 * 1000.0, 1000.0);
  SetZone("UTC");
  EXPECT_NEAR(
      static_cast<double>(NTimeMan::GetMilliSecSince1970() - NTimeMan::GetGmtMilliSecSince1970()),
      0.0, 1000.0);
  const int64_t now = std::chrono::duration_cast<std::chrono::milliseconds>(
                          std::chrono::system_clock::now().time_since_epoch())
                          .count();
  EXPECT_NEAR(static_cast<double>(NTimeMan::GetGmtMilliSecSince1970() - now), 0.0, 1000.0);
}

TEST_F(ZoneTest, CurrentTimeTextHasDateTimeAndMilliseconds) {
  SetZone("UTC");
  const std::string text = NTimeMan::GetCurrTimeAsString().ToUtf8();
  ASSERT_EQ(text.size(), 23u);
  EXPECT_EQ(text[4], '-');
  EXPECT_EQ(text[10], ' ');
  EXPECT_EQ(text[19], '.');
}

TEST(TimeManTest, SleepWaitsAtLeastThatLong) {
  const auto start = std::chrono::steady_clock::now();
  NTimeMan::ZavoSleep(20);
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(20));
}

}  // namespace
