#include <gtest/gtest.h>
#include <statestore/topology.h>

#include <memory>

namespace {

TEST(TopologyTest, AccessPointRecords) {
  const SAPInfo empty;
  EXPECT_EQ(empty.GetCNRID(), 0);
  EXPECT_TRUE(empty.GetMacAddress().IsZero());
  EXPECT_FALSE(empty.IsAdHoc());

  const CMacAddr mac({0x00, 0x11, 0x22, 0x33, 0x44, 0xC5});
  std::unique_ptr<CTopologyBasic> ap(new SAPInfo(int64_t{1} << 40, mac, true));
  EXPECT_EQ(ap->GetCNRID(), int64_t{1} << 40);
  EXPECT_EQ(ap->GetMacAddress().ToString(), CZavoString(u"00-11-22-33-44-C5"));
  EXPECT_TRUE(static_cast<SAPInfo&>(*ap).IsAdHoc());
}

}  // namespace
