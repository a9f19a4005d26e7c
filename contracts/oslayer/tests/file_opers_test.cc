#include <contracts_testing/sandbox.h>
#include <gtest/gtest.h>
#include <oslayer/file_opers.h>

namespace {

using contracts_testing::Sandbox;
namespace fs = std::filesystem;

CZavoString Z(const fs::path& p) { return CZavoString(p.string().c_str()); }

TEST(FileOpersTest, InstallPathComesFromZavoHomeAndIsCreated) {
  Sandbox box;
  box.Set("ZAVO_HOME", box.Root() / "fresh" / "zavo");
  EXPECT_EQ(NFileOpers::GetInstallPath().ToUtf8(), (box.Root() / "fresh" / "zavo").string());
  EXPECT_TRUE(fs::is_directory(box.Root() / "fresh" / "zavo"));
}

TEST(FileOpersTest, InstallPathFallsBackToXdgDataHome) {
  Sandbox box;
  box.Unset("ZAVO_HOME");
  EXPECT_EQ(NFileOpers::GetInstallPath().ToUtf8(), (box.Root() / "data" / "zavo").string());
  box.Unset("XDG_DATA_HOME");
  box.Set("HOME", box.Root() / "user");
  EXPECT_EQ(NFileOpers::GetInstallPath().ToUtf8(),
            (box.Root() / "user" / ".local" / "share" / "zavo").string());
}

TEST(FileOpersTest, FullPathAndCombinedPathNameOneFile) {
  Sandbox box;
  const CZavoString full = NFileOpers::GetFullPath(u"REGISTRY.TXT");
  EXPECT_EQ(full, NFileOpers::CombinePath(NFileOpers::GetInstallPath(), u"REGISTRY.TXT"));
  EXPECT_EQ(full.ToUtf8(), (box.Home() / "REGISTRY.TXT").string());
  // The callers' backslash forms land on the same file.
  EXPECT_EQ(NFileOpers::CombinePath(NFileOpers::GetInstallPath() + u"\\", u"\\REGISTRY.TXT"), full);
  EXPECT_EQ(NFileOpers::GetFullPath(u"Logs\\a.log").ToUtf8(), (box.Home() / "Logs/a.log").string());
  EXPECT_EQ(NFileOpers::GetFullPath(u"/abs/x").ToUtf8(), "/abs/x");
}

TEST(FileOpersTest, BackslashesReachTheFileSystemAsSeparators) {
  Sandbox box;
  const CZavoString folder = Z(box.Work()) + u"\\sub\\deeper";
  EXPECT_TRUE(NFileOpers::CreateFolder(folder));
  EXPECT_TRUE(fs::is_directory(box.Work() / "sub" / "deeper"));
  EXPECT_TRUE(NFileOpers::FolderExists(folder));
  EXPECT_TRUE(NFileOpers::CreateFolder(folder));  // exists already
}

TEST(FileOpersTest, FilesAndFolders) {
  Sandbox box;
  const fs::path file = box.Work() / "a.txt";
  contracts_testing::WriteAll(file, "hello");
  EXPECT_TRUE(NFileOpers::FileExists(Z(file)));
  EXPECT_FALSE(NFileOpers::FolderExists(Z(file)));
  EXPECT_FALSE(NFileOpers::FileExists(Z(box.Work())));

  EXPECT_TRUE(NFileOpers::CloneFile(Z(file), Z(box.Work() / "b.txt")));
  EXPECT_EQ(contracts_testing::ReadAll(box.Work() / "b.txt"), "hello");
  contracts_testing::WriteAll(file, "new");
  EXPECT_TRUE(NFileOpers::CloneFile(Z(file), Z(box.Work() / "b.txt")));  // replaces
  EXPECT_EQ(contracts_testing::ReadAll(box.Work() / "b.txt"), "new");
  EXPECT_FALSE(NFileOpers::CloneFile(Z(box.Work() / "missing"), Z(box.Work() / "c.txt")));
  EXPECT_FALSE(fs::exists(box.Work() / "c.txt"));

  EXPECT_TRUE(NFileOpers::EraseFile(Z(file)));
  EXPECT_FALSE(NFileOpers::EraseFile(Z(file)));
  EXPECT_FALSE(NFileOpers::EraseFile(Z(box.Work())));  // a folder is not a file

  const fs::path folder = box.Work() / "f";
  fs::create_directories(folder);
  contracts_testing::WriteAll(folder / "keep", "x");
  EXPECT_FALSE(NFileOpers::EraseFolder(Z(folder)));  // not empty: kept
  EXPECT_TRUE(fs::exists(folder / "keep"));
  fs::remove(folder / "keep");
  EXPECT_TRUE(NFileOpers::EraseFolder(Z(folder)));
  EXPECT_FALSE(NFileOpers::EraseFolder(Z(folder)));
  EXPECT_FALSE(NFileOpers::EraseFolder(Z(box.Work() / "b.txt")));
}

TEST(FileOpersTest, FolderFilesAreNamesOfEveryEntry) {
  Sandbox box;
  contracts_testing::WriteAll(box.Work() / "b.log", "1");
  contracts_testing::WriteAll(box.Work() / "a.log", "2");
  fs::create_directories(box.Work() / "sub");
  SFileNameList names{CZavoString(u"stale")};
  ASSERT_TRUE(NFileOpers::GetFolderFiles(Z(box.Work()), names));
  ASSERT_EQ(names.size(), 3u);
  EXPECT_EQ(names[0], CZavoString(u"a.log"));
  EXPECT_EQ(names[1], CZavoString(u"b.log"));
  EXPECT_EQ(names[2], CZavoString(u"sub"));
  EXPECT_FALSE(NFileOpers::GetFolderFiles(Z(box.Work() / "missing"), names));
  EXPECT_TRUE(names.empty());
}

}  // namespace
