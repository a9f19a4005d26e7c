#include <gtest/gtest.h>
#include <netkinds/netkinds.h>

#include <string>

namespace {

using zvtypes::Bssid;

std::string Narrow(const zvlang::CZvString& s) {
  std::string out;
  for (int i = 0; i < s.length(); ++i) out += static_cast<char>(s.charAt(i));
  return out;
}

TEST(BssidTest, StartsZeroAndHoldsSixBytes) {
  SPtr<Bssid> b = Bssid::Create();
  EXPECT_EQ(b->Length(), 6);
  EXPECT_EQ(std::string(b->Value(), 6), std::string(6, '\0'));
  EXPECT_EQ(Narrow(b->toString()), "00-00-00-00-00-00");
  const char mac[] = {0x00, 0x11, 0x22, 0x33, 0x44, static_cast<char>(0xC5)};
  b->Set(mac, 6);
  EXPECT_EQ(std::string(b->Value(), 6), std::string(mac, 6));
  EXPECT_EQ(Narrow(b->toString()), "00-11-22-33-44-C5");
  EXPECT_EQ(static_cast<signed char>(b->Value()[5]), -59);  // the filter byte as a signed 8-bit
  b->Zero();
  EXPECT_EQ(Narrow(b->toString()), "00-00-00-00-00-00");
}

TEST(BssidTest, SetTakesAtMostSixBytesAndZeroesTheRest) {
  SPtr<Bssid> b = Bssid::Create();
  const char eight[] = {1, 2, 3, 4, 5, 6, 7, 8};
  b->Set(eight, 8);
  EXPECT_EQ(Narrow(b->toString()), "01-02-03-04-05-06");
  b->Set(eight, 2);
  EXPECT_EQ(Narrow(b->toString()), "01-02-00-00-00-00");
  b->Set(nullptr, 6);
  EXPECT_EQ(Narrow(b->toString()), "00-00-00-00-00-00");
}

TEST(BssidTest, CopyTakesTheOthersValue) {
  SPtr<Bssid> a = Bssid::Create();
  SPtr<Bssid> b = Bssid::Create();
  const char mac[] = {10, 20, 30, 40, 50, 60};
  b->Set(mac, 6);
  EXPECT_EQ(a->Copy(b), a.Get());
  EXPECT_EQ(std::string(a->Value(), 6), std::string(mac, 6));
  b->Zero();  // separate bytes
  EXPECT_EQ(std::string(a->Value(), 6), std::string(mac, 6));
  EXPECT_EQ(a->Copy(SPtr<Bssid>()), a.Get());
  EXPECT_EQ(std::string(a->Value(), 6), std::string(mac, 6));
}

TEST(BssidTest, CountedLikeTheRuntimesObjects) {
  Bssid* raw = new Bssid;
  EXPECT_EQ(raw->AddRef(), 1);
  EXPECT_EQ(raw->AddRef(), 2);
  EXPECT_EQ(raw->Release(), 1);
  {
    SPtr<Bssid> p(raw);
    EXPECT_EQ(raw->AddRef(), 3);
    raw->Release();
  }
  EXPECT_EQ(raw->Release(), 0);  // deleted here; ASan checks it is not used after
}

}  // namespace
