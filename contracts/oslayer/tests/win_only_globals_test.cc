#include <contracts_testing/sandbox.h>
#include <gtest/gtest.h>
#include <oslayer/win_only_globals.h>

namespace {

using contracts_testing::Sandbox;
namespace fs = std::filesystem;

TEST(WinOnlyGlobalsTest, PostMovesIntoReportsKeepingOlderReports) {
  Sandbox box;
  const fs::path zip = box.Home() / "Report.Zip";
  contracts_testing::WriteAll(zip, "first");
  const CZavoString posted = NWinOnlyGlobals::PostToReportFolder(CZavoString(zip.c_str()));
  EXPECT_EQ(posted.ToUtf8(), (box.Home() / "Reports" / "Report.Zip").string());
  EXPECT_FALSE(fs::exists(zip));
  EXPECT_EQ(contracts_testing::ReadAll(box.Home() / "Reports" / "Report.Zip"), "first");

  contracts_testing::WriteAll(zip, "second");
  EXPECT_EQ(NWinOnlyGlobals::PostToReportFolder(CZavoString(zip.c_str())).ToUtf8(),
            (box.Home() / "Reports" / "Report-2.Zip").string());
  EXPECT_EQ(contracts_testing::ReadAll(box.Home() / "Reports" / "Report.Zip"), "first");
  EXPECT_EQ(contracts_testing::ReadAll(box.Home() / "Reports" / "Report-2.Zip"), "second");
}

TEST(WinOnlyGlobalsTest, AFileThatCannotBeMovedKeepsItsPath) {
  Sandbox box;
  const CZavoString missing((box.Home() / "Report.Zip").c_str());
  EXPECT_EQ(NWinOnlyGlobals::PostToReportFolder(missing), missing);
  // Posting a report that is already there changes nothing.
  const fs::path inside = box.Home() / "Reports" / "r.zip";
  contracts_testing::WriteAll(inside, "x");
  EXPECT_EQ(NWinOnlyGlobals::PostToReportFolder(CZavoString(inside.c_str())).ToUtf8(),
            inside.string());
  EXPECT_TRUE(fs::exists(inside));
}

}  // namespace
