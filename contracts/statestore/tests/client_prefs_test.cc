#include <contracts_testing/sandbox.h>
#include <gtest/gtest.h>
#include <oslayer/settings_store.h>
#include <statestore/client_prefs.h>

namespace {

using contracts_testing::Sandbox;

CZavoString Recorded() {
  CZavoString v;
  NSettingsStore::ReadValue(CClientPrefs::SETTINGS_KEY, u"LastVersion", v);
  return v;
}

TEST(ClientPrefsTest, FirstStartEverIsNoUpdateAndRecordsTheVersion) {
  Sandbox box;
  CClientPrefs prefs(u"1.0.0.0");
  EXPECT_FALSE(prefs.AfterUpdate());
  EXPECT_EQ(Recorded(), CZavoString(u"1.0.0.0"));
}

TEST(ClientPrefsTest, ANewVersionIsAnUpdateOncePerStart) {
  Sandbox box;
  ASSERT_TRUE(NSettingsStore::WriteValue(CClientPrefs::SETTINGS_KEY, u"LastVersion", u"0.9.0.0"));
  CClientPrefs start1(u"1.0.0.0");
  EXPECT_TRUE(start1.AfterUpdate());
  EXPECT_TRUE(start1.AfterUpdate());  // the same start asks again
  EXPECT_EQ(Recorded(), CZavoString(u"1.0.0.0"));
  CClientPrefs start2(u"1.0.0.0");
  EXPECT_FALSE(start2.AfterUpdate());
}

TEST(ClientPrefsTest, TheInstanceIsThisBuild) {
  Sandbox box;
  EXPECT_EQ(CClientPrefs::GetInstance().GetVersion(), CZavoString(ZAVO_CLIENT_VERSION));
}

}  // namespace
