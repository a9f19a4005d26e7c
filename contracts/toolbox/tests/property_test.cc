#include <contracts_testing/sandbox.h>
#include <gtest/gtest.h>
#include <oslayer/settings_store.h>
#include <toolbox/property.h>
#include <toolbox/reg_entries.h>

namespace {

using contracts_testing::Sandbox;

TEST(MachinePropertyTest, ItemLimitFromTheMachineTree) {
  Sandbox box;
  EXPECT_EQ(static_cast<uint32_t>(
                CMachineProperty(NRegEntries::PROP_MAX_RECORDS, NRegEntries::APP_PROP_PATH)),
            0u);  // absent
  contracts_testing::WriteAll(box.Machine() / "settings.ini", "[Properties]\nMaxRecords = 500\n");
  const CMachineProperty limit(NRegEntries::PROP_MAX_RECORDS, NRegEntries::APP_PROP_PATH);
  EXPECT_TRUE(limit.Exists());
  EXPECT_EQ(static_cast<uint32_t>(limit), 500u);
  // The user tree does not count.
  contracts_testing::WriteAll(box.Machine() / "settings.ini", "");
  ASSERT_TRUE(NSettingsStore::WriteValue(u"HKCU\\Software\\Vantor\\Zavo\\Properties",
                                         NRegEntries::PROP_MAX_RECORDS, u"7"));
  EXPECT_EQ(static_cast<uint32_t>(
                CMachineProperty(NRegEntries::PROP_MAX_RECORDS, NRegEntries::APP_PROP_PATH)),
            0u);
}

TEST(MachinePropertyTest, NumberConversion) {
  Sandbox box;
  struct Case {
    const char* text;
    uint32_t value;
  } cases[] = {
      {"1", 1},   {"00012", 12}, {"0x10", 16},      {"4294967295", 4294967295u},
      {" 5 ", 5}, {"-1", 0},     {"4294967296", 0}, {"12ab", 0},
      {"", 0},    {"abc", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    ASSERT_TRUE(NSettingsStore::WriteValue(u"HKLM\\Software\\Vantor\\Zavo\\Properties",
                                           u"MaxRecords", CZavoString(c.text)));
    EXPECT_EQ(
        CMachineProperty(NRegEntries::PROP_MAX_RECORDS, NRegEntries::APP_PROP_PATH).ToUInt32(),
        c.value);
  }
}

}  // namespace
