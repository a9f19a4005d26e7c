#include <gtest/gtest.h>
#include <sharedbase/mac_addr.h>

namespace {

TEST(MacAddrTest, ToStringIsUpperCaseHexPairsJoinedByDashes) {
  const CMacAddr mac({0x00, 0x11, 0x22, 0x33, 0x44, 0xC5});
  EXPECT_EQ(mac.ToString(), CZavoString(u"00-11-22-33-44-C5"));
  EXPECT_EQ(CMacAddr().ToString(), CZavoString(u"00-00-00-00-00-00"));
  EXPECT_TRUE(CMacAddr().IsZero());
  EXPECT_EQ(mac[5], 0xC5);
  EXPECT_EQ(mac[6], 0);
  const uint8_t raw[] = {0xAB, 0xCD, 0xEF, 0x01, 0x02, 0x03};
  EXPECT_EQ(CMacAddr(raw).ToString(), CZavoString(u"AB-CD-EF-01-02-03"));
}

TEST(MacAddrTest, FromStringReadsToStringBack) {
  CMacAddr mac;
  ASSERT_TRUE(CMacAddr::FromString(u"00-11-22-33-44-c5", mac));
  EXPECT_EQ(mac, CMacAddr({0x00, 0x11, 0x22, 0x33, 0x44, 0xC5}));
  ASSERT_TRUE(CMacAddr::FromString(u"aa:bb:cc:dd:ee:ff", mac));
  EXPECT_EQ(mac.ToString(), CZavoString(u"AA-BB-CC-DD-EE-FF"));
  for (const char16_t* bad : {u"", u"00-11-22-33-44", u"00-11-22-33-44-GG", u"00_11_22_33_44_55",
                              u"00-11-22-33-44-555"}) {
    SCOPED_TRACE(CZavoString(bad).ToUtf8());
    CMacAddr kept({1, 2, 3, 4, 5, 6});
    EXPECT_FALSE(CMacAddr::FromString(bad, kept));
    EXPECT_EQ(kept, CMacAddr({1, 2, 3, 4, 5, 6}));
  }
}

}  // namespace
