#include <contracts_testing/sandbox.h>
#include <gtest/gtest.h>
#include <oslayer/settings_store.h>

namespace {

using contracts_testing::Sandbox;

TEST(SettingsStoreTest, TreesLiveUnderTheirFolders) {
  Sandbox box;
  EXPECT_EQ(NSettingsStore::GetTreeFile(u"HKCU\\Software\\Vantor\\Zavo").ToUtf8(),
            (box.Config() / "Vantor/Zavo/settings.ini").string());
  EXPECT_EQ(NSettingsStore::GetTreeFile(u"HKEY_LOCAL_MACHINE/software/vantor/zavo/Sub").ToUtf8(),
            (box.Machine() / "settings.ini").string());
  EXPECT_TRUE(NSettingsStore::GetTreeFile(u"HKCU\\Software\\Other").IsEmpty());
  EXPECT_TRUE(NSettingsStore::GetTreeFile(u"HKCR\\Software\\Vantor\\Zavo").IsEmpty());
  box.Unset("ZAVO_MACHINE_CONFIG");
  EXPECT_EQ(NSettingsStore::GetTreeFile(u"HKLM\\Software\\Vantor\\Zavo").ToUtf8(),
            "/etc/xdg/Vantor/Zavo/settings.ini");
}

TEST(SettingsStoreTest, ValuesPersistInTheIniFile) {
  Sandbox box;
  const CZavoString root(u"HKCU\\Software\\Vantor\\Zavo");
  EXPECT_TRUE(NSettingsStore::WriteValue(root, u"InstallDir", u"/opt/zavo"));
  EXPECT_TRUE(NSettingsStore::WriteValue(root + u"\\Logger", u"Level", u"3"));
  EXPECT_TRUE(NSettingsStore::WriteValue(root + u"\\Client\\Sub", u"Name", u"h\u00E9"));
  CZavoString value;
  ASSERT_TRUE(NSettingsStore::ReadValue(u"hkcu/SOFTWARE/Vantor/Zavo/logger", u"LEVEL", value));
  EXPECT_EQ(value, CZavoString(u"3"));
  EXPECT_FALSE(NSettingsStore::ReadValue(root, u"Missing", value));
  EXPECT_FALSE(NSettingsStore::ReadValue(root + u"\\Nope", u"Level", value));
  EXPECT_EQ(contracts_testing::ReadAll(box.Config() / "Vantor/Zavo/settings.ini"),
            "InstallDir = /opt/zavo\n\n\n[Logger]\nLevel = 3\n\n\n[Client\\Sub]\n"
            "Name = h\xC3\xA9\n");
  EXPECT_TRUE(NSettingsStore::DeleteValue(root + u"\\Logger", u"Level"));
  EXPECT_FALSE(NSettingsStore::ReadValue(root + u"\\Logger", u"Level", value));
  EXPECT_FALSE(NSettingsStore::DeleteValue(root + u"\\Logger", u"Level"));
  // The machine tree is a file of its own.
  EXPECT_FALSE(NSettingsStore::ReadValue(u"HKLM\\Software\\Vantor\\Zavo", u"InstallDir", value));
}

TEST(SettingsStoreTest, BadKeysAndFiles) {
  Sandbox box;
  CZavoString value;
  EXPECT_FALSE(NSettingsStore::WriteValue(u"HKCU\\Software\\Elsewhere", u"a", u"b"));
  EXPECT_FALSE(NSettingsStore::WriteValue(u"", u"a", u"b"));
  EXPECT_FALSE(NSettingsStore::WriteValue(u"HKCU\\Software\\Vantor\\Zavo", u"", u"b"));
  // A folder where the file should be: a clear false.
  std::filesystem::create_directories(box.Machine() / "settings.ini");
  EXPECT_FALSE(NSettingsStore::ReadValue(u"HKLM\\Software\\Vantor\\Zavo", u"a", value));
  EXPECT_FALSE(NSettingsStore::WriteValue(u"HKLM\\Software\\Vantor\\Zavo", u"a", u"b"));
  EXPECT_FALSE(WriteRegistryTreeToFile(u"HKLM\\Software\\Vantor\\Zavo",
                                       CZavoString((box.Work() / "dump.txt").c_str())));
}

TEST(RegistryDumpTest, WritesTheSubtreeAsAnExport) {
  Sandbox box;
  const CZavoString root(u"HKCU\\Software\\Vantor\\Zavo");
  NSettingsStore::WriteValue(root, u"Version", u"1.0.0.0");
  NSettingsStore::WriteValue(root + u"\\Logger", u"Level", u"3");
  NSettingsStore::WriteValue(root + u"\\Logger", u"Path", u"C:\\Logs \"x\"\nnext");
  NSettingsStore::WriteValue(root + u"\\Client", u"LastVersion", u"1.0.0.0");
  NSettingsStore::WriteValue(root + u"\\LoggerX", u"a", u"b");
  const auto dump = box.Work() / "REGISTRY.TXT";
  ASSERT_TRUE(WriteRegistryTreeToFile(root, CZavoString(dump.c_str())));
  EXPECT_EQ(contracts_testing::ReadAll(dump),
            "Zavo Registry Export 1\n"
            "\n[HKEY_CURRENT_USER\\Software\\Vantor\\Zavo]\n"
            "\"Version\"=\"1.0.0.0\"\n"
            "\n[HKEY_CURRENT_USER\\Software\\Vantor\\Zavo\\Client]\n"
            "\"LastVersion\"=\"1.0.0.0\"\n"
            "\n[HKEY_CURRENT_USER\\Software\\Vantor\\Zavo\\Logger]\n"
            "\"Level\"=\"3\"\n"
            "\"Path\"=\"C:\\\\Logs \\\"x\\\"\\nnext\"\n"
            "\n[HKEY_CURRENT_USER\\Software\\Vantor\\Zavo\\LoggerX]\n"
            "\"a\"=\"b\"\n");
  // A subtree: the key and what lies below it, not its look-alike neighbour.
  ASSERT_TRUE(WriteRegistryTreeToFile(root + u"\\Logger", CZavoString(dump.c_str())));
  EXPECT_EQ(contracts_testing::ReadAll(dump),
            "Zavo Registry Export 1\n"
            "\n[HKEY_CURRENT_USER\\Software\\Vantor\\Zavo\\Logger]\n"
            "\"Level\"=\"3\"\n"
            "\"Path\"=\"C:\\\\Logs \\\"x\\\"\\nnext\"\n");
}

TEST(RegistryDumpTest, AnEmptyTreeGivesItsKeyAlone) {
  Sandbox box;
  const auto dump = box.Work() / "REGISTRY2.TXT";
  ASSERT_TRUE(WriteRegistryTreeToFile(u"HKLM\\Software\\Vantor\\Zavo", CZavoString(dump.c_str())));
  EXPECT_EQ(contracts_testing::ReadAll(dump),
            "Zavo Registry Export 1\n\n[HKEY_LOCAL_MACHINE\\Software\\Vantor\\Zavo]\n");
  EXPECT_FALSE(WriteRegistryTreeToFile(u"HKCU\\Software\\Other", CZavoString(dump.c_str())));
  EXPECT_FALSE(WriteRegistryTreeToFile(u"HKLM\\Software\\Vantor\\Zavo",
                                       CZavoString((box.Work() / "no/such/dump.txt").c_str())));
}

}  // namespace
