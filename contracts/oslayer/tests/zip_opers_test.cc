#include <contracts_testing/sandbox.h>
#include <gtest/gtest.h>
#include <oslayer/file_opers.h>
#include <oslayer/zip_opers.h>
#include <zip.h>

#include <cstdio>
#include <map>
#include <memory>

namespace {

using contracts_testing::Sandbox;
namespace fs = std::filesystem;

CZavoString Z(const fs::path& p) { return CZavoString(p.string().c_str()); }

// Entry name -> content ("/" at the end of a name marks a folder entry).
std::map<std::string, std::string> ReadArchive(const fs::path& path) {
  std::map<std::string, std::string> entries;
  int error = 0;
  zip_t* archive = zip_open(path.c_str(), ZIP_RDONLY, &error);
  if (!archive) return entries;
  for (zip_int64_t i = 0; i < zip_get_num_entries(archive, 0); ++i) {
    zip_stat_t st;
    zip_stat_index(archive, static_cast<zip_uint64_t>(i), 0, &st);
    std::string content(st.size, '\0');
    if (zip_file_t* f = zip_fopen_index(archive, static_cast<zip_uint64_t>(i), 0)) {
      zip_fread(f, content.data(), st.size);
      zip_fclose(f);
    }
    entries[st.name] = content;
  }
  zip_close(archive);
  return entries;
}

TEST(ZipOpersTest, FileAndFolderEntriesWithSourcesDeletableAfterAdd) {
  Sandbox box;
  const fs::path crash = box.Home() / "CRASH.DMP";
  const fs::path log = box.Home() / "Logs" / "zavo.log";
  contracts_testing::WriteAll(crash, std::string("dump\0bytes", 10));
  contracts_testing::WriteAll(log, "log line\n");
  const fs::path target = box.Home() / "Report.Zip";

  HZIP zip = NZipOpers::CreateZip(Z(target), 0, NZipOpers::ZIP_FILENAME);
  ASSERT_NE(zip, nullptr);
  EXPECT_TRUE(NZipOpers::ZipAdd(zip, u"CRASH.DMP", Z(crash), 0, NZipOpers::ZIP_FILENAME));
  ASSERT_TRUE(fs::remove(crash));  // the content is already taken
  EXPECT_TRUE(NZipOpers::ZipAdd(zip, u"zavo.log", Z(log), 0, NZipOpers::ZIP_FILENAME));
  EXPECT_TRUE(NZipOpers::ZipAdd(zip, u"old", nullptr, 0, NZipOpers::ZIP_FOLDER));
  EXPECT_FALSE(NZipOpers::ZipAdd(zip, u"ERRORLOG.TXT", Z(box.Home() / "ERRORLOG.TXT"), 0,
                                 NZipOpers::ZIP_FILENAME));  // missing source
  EXPECT_FALSE(NZipOpers::ZipAdd(zip, u"zavo.log", Z(log), 0, NZipOpers::ZIP_FILENAME));
  EXPECT_TRUE(NZipOpers::CloseZip(zip));

  const auto entries = ReadArchive(target);
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries.at("CRASH.DMP"), std::string("dump\0bytes", 10));
  EXPECT_EQ(entries.at("zavo.log"), "log line\n");
  EXPECT_TRUE(entries.count("old/"));

  // The archive is a plain zip that unzip reads.
  const std::string cmd =
      "unzip -l '" + target.string() + "' > '" + (box.Work() / "list.txt").string() + "' 2>&1";
  ASSERT_EQ(std::system(cmd.c_str()), 0);
  const std::string listing = contracts_testing::ReadAll(box.Work() / "list.txt");
  EXPECT_NE(listing.find("CRASH.DMP"), std::string::npos);
  EXPECT_NE(listing.find("old/"), std::string::npos);
}

TEST(ZipOpersTest, EntryNamesStayInsideTheArchive) {
  Sandbox box;
  const fs::path source = box.Work() / "s.txt";
  contracts_testing::WriteAll(source, "x");
  const fs::path target = box.Work() / "t.zip";
  HZIP zip = NZipOpers::CreateZip(Z(target), 0, NZipOpers::ZIP_FILENAME);
  ASSERT_NE(zip, nullptr);
  EXPECT_TRUE(NZipOpers::ZipAdd(zip, u"..\\..\\evil.txt", Z(source), 0, NZipOpers::ZIP_FILENAME));
  EXPECT_TRUE(NZipOpers::ZipAdd(zip, u"/abs/./x.txt", Z(source), 0, NZipOpers::ZIP_FILENAME));
  EXPECT_TRUE(NZipOpers::ZipAdd(zip, u"a\\b.txt", Z(source), 0, NZipOpers::ZIP_FILENAME));
  EXPECT_FALSE(NZipOpers::ZipAdd(zip, u"..", Z(source), 0, NZipOpers::ZIP_FILENAME));
  EXPECT_FALSE(NZipOpers::ZipAdd(zip, u"x", Z(source), 0, 7));
  EXPECT_TRUE(NZipOpers::CloseZip(zip));
  const auto entries = ReadArchive(target);
  EXPECT_EQ(entries.size(), 3u);
  EXPECT_TRUE(entries.count("evil.txt"));
  EXPECT_TRUE(entries.count("abs/x.txt"));
  EXPECT_TRUE(entries.count("a/b.txt"));
}

TEST(ZipOpersTest, BadTargetsAndHandles) {
  Sandbox box;
  EXPECT_EQ(NZipOpers::CreateZip(Z(box.Work() / "x.zip"), 0, 1), nullptr);
  EXPECT_EQ(NZipOpers::CreateZip(Z(box.Work() / "no" / "such" / "x.zip"), 0, 2), nullptr);
  EXPECT_FALSE(NZipOpers::ZipAdd(nullptr, u"a", u"b", 0, 2));
  EXPECT_FALSE(NZipOpers::CloseZip(nullptr));
}

TEST(ZipOpersTest, CreatingOverAnOldArchiveStartsAnew) {
  Sandbox box;
  const fs::path target = box.Work() / "r.zip";
  contracts_testing::WriteAll(target, "not a zip at all");
  const fs::path source = box.Work() / "s.txt";
  contracts_testing::WriteAll(source, "x");
  HZIP zip = NZipOpers::CreateZip(Z(target), 0, 2);
  ASSERT_NE(zip, nullptr);
  EXPECT_TRUE(NZipOpers::ZipAdd(zip, u"s.txt", Z(source), 0, 2));
  EXPECT_TRUE(NZipOpers::CloseZip(zip));
  EXPECT_EQ(ReadArchive(target).size(), 1u);
}

}  // namespace
