#include <contracts_testing/sandbox.h>
#include <gtest/gtest.h>
#include <statestore/runtime_database.h>

namespace {

using contracts_testing::Sandbox;
namespace fs = std::filesystem;

// A fake /sys/class/net: one folder per interface with the files the check reads.
class RuntimeDatabaseTest : public testing::Test {
 protected:
  void SetUp() override { mDb.SetNetClassRoot(CZavoString(mRoot.c_str())); }
  void TearDown() override { mDb.SetNetClassRoot(CZavoString()); }

  void AddInterface(const std::string& name, const std::string& type, bool hardware, bool wireless,
                    const char* carrier) {
    const fs::path dir = mRoot / name;
    fs::create_directories(dir);
    contracts_testing::WriteAll(dir / "type", type + "\n");
    if (hardware) fs::create_directories(dir / "device");
    if (wireless) fs::create_directories(dir / "wireless");
    if (carrier) contracts_testing::WriteAll(dir / "carrier", std::string(carrier) + "\n");
  }

  Sandbox mBox;
  fs::path mRoot = mBox.Work() / "net";
  CRuntimeDatabase& mDb = CRuntimeDatabase::GetInstance();
};

TEST_F(RuntimeDatabaseTest, WiredInterfaceWithCarrierIsALan) {
  AddInterface("lo", "772", false, false, "1");
  AddInterface("wlan0", "1", true, true, "1");
  AddInterface("eth0", "1", true, false, "1");
  EXPECT_TRUE(mDb.IsLanConnected());
}

TEST_F(RuntimeDatabaseTest, OtherInterfacesAreNot) {
  struct Case {
    const char* name;
    std::string type;
    bool hardware, wireless;
    const char* carrier;
  } cases[] = {
      {"lo", "772", false, false, "1"},     // loopback
      {"wlan0", "1", true, true, "1"},      // wireless
      {"eth0", "1", true, false, "0"},      // cable out
      {"eth1", "1", true, false, nullptr},  // down: carrier cannot be read
      {"docker0", "1", false, false, "1"},  // a bridge of no hardware
      {"tun0", "65534", true, false, "1"},  // not Ethernet
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove_all(mRoot);
    AddInterface(c.name, c.type, c.hardware, c.wireless, c.carrier);
    EXPECT_FALSE(mDb.IsLanConnected());
  }
}

TEST_F(RuntimeDatabaseTest, MissingTreeIsNoLan) {
  mDb.SetNetClassRoot(CZavoString((mBox.Work() / "nothing").c_str()));
  EXPECT_FALSE(mDb.IsLanConnected());
  mDb.SetNetClassRoot(CZavoString());
  EXPECT_EQ(mDb.GetNetClassRoot(), CZavoString(u"/sys/class/net"));
}

}  // namespace
