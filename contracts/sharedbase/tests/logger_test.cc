#include <contracts_testing/sandbox.h>
#include <gtest/gtest.h>
#include <oslayer/file_opers.h>
#include <oslayer/settings_store.h>
#include <sharedbase/logger.h>
#include <sharedbase/shared_base_exports.h>

#include <cctype>
#include <string>
#include <vector>

// Found by GoogleTest next to SLogLine, so failures show the lines.
void PrintTo(const SLogLine& l, std::ostream* os) {
  *os << "{" << l.module << "," << l.unit << "," << l.site << "," << l.level << "," << l.message
      << ",\"" << l.fields.ToUtf8() << "\"}";
}

namespace {

using contracts_testing::Sandbox;

SLogLine Line(int32_t module, int32_t unit, int32_t site, int32_t level, int32_t message,
              const char16_t* fields) {
  SLogLine line;
  line.module = module, line.unit = unit, line.site = site, line.level = level;
  line.message = message, line.fields = fields;
  return line;
}

class LoggerTest : public testing::Test {
 protected:
  void SetUp() override {
    mBox.Unset("ZAVO_LOG_LEVEL");
    mLogger.Reload();  // the sandbox's folders and settings
  }
  void TearDown() override {
    mLogger.SetEnabled(true);
    mLogger.SetLogLevel(LTDL_INFO);
  }
  Sandbox mBox;
  CLogger& mLogger = CLogger::GetInstance();
};

TEST_F(LoggerTest, IsOneProcessWideObject) { EXPECT_EQ(&CLogger::GetInstance(), &mLogger); }

TEST_F(LoggerTest, CaptureRecordsEachLineExactly) {
  CLogCapture capture;
  EXPECT_TRUE(mLogger.LogTrace(LTM_CROSS_PLATFORM, 400, 3, LTDL_ERROR, 1210, u"%s|%d|",
                               CZavoString(u"pipe"), 7));
  EXPECT_TRUE(mLogger.LogTrace(0, 438, 21, 3, 1812, u"%s|%d|%d|", u"pipe", 7, 3));
  EXPECT_TRUE(mLogger.LogTrace(0, 407, 1, 3, 1262, u"%I64d|%I64d|%I64d|%I64d|%d|%d|",
                               int64_t{1} << 33, int64_t{2}, int64_t{3}, int64_t{4}, true, false));
  EXPECT_TRUE(mLogger.LogTrace(0, 438, 11, 1, 1768, u""));
  const std::vector<SLogLine> want = {
      Line(10, 400, 3, 1, 1210, u"pipe|7|"),
      Line(0, 438, 21, 3, 1812, u"pipe|7|3|"),
      Line(0, 407, 1, 3, 1262, u"8589934592|2|3|4|1|0|"),
      Line(0, 438, 11, 1, 1768, u""),
  };
  EXPECT_EQ(capture.Lines(), want);
  capture.Clear();
  EXPECT_TRUE(capture.Lines().empty());
}

TEST_F(LoggerTest, LevelGating) {
  struct Case {
    int32_t configured;
    bool debug, info, warning, error;
  } cases[] = {
      {0, true, true, true, true},
      {0x10000, true, true, true, true},  // only the low 16 bits rank
      {LTDL_INFO, false, true, true, true},
      {0x70003, false, true, true, true},
      {LTDL_WARNING, false, false, true, true},
      {LTDL_ERROR, false, false, false, true},
      {0x0001FFFF, false, true, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.configured);
    mLogger.SetLogLevel(c.configured);
    EXPECT_EQ(mLogger.GetLogLevel(), c.configured);
    // The caller's own rule for debug lines: the low 16 bits are 0.
    EXPECT_EQ((mLogger.GetLogLevel() & 0xFFFF) == 0, c.debug);
    CLogCapture capture;
    EXPECT_EQ(mLogger.LogTrace(10, 403, 1, LTDL_DEBUG, 0, u"%s|", u"d"), c.debug);
    EXPECT_EQ(mLogger.LogTrace(10, 403, 2, LTDL_INFO, 0, u"%s|", u"i"), c.info);
    EXPECT_EQ(mLogger.LogTrace(10, 403, 3, LTDL_WARNING, 0, u"%s|", u"w"), c.warning);
    EXPECT_EQ(mLogger.LogTrace(10, 403, 4, LTDL_ERROR, 0, u"%s|", u"e"), c.error);
    EXPECT_EQ(capture.Lines().size(), size_t{c.debug} + c.info + c.warning + c.error);
  }
}

TEST_F(LoggerTest, DisabledWritesNothing) {
  CLogCapture capture;
  mLogger.SetEnabled(false);
  EXPECT_FALSE(mLogger.IsEnabled());
  EXPECT_FALSE(mLogger.LogTrace(10, 400, 1, LTDL_ERROR, 1208, u""));
  EXPECT_TRUE(capture.Lines().empty());
}

TEST_F(LoggerTest, LinesGoToTheRotatingFileInTheLogFolder) {
  EXPECT_EQ(mLogger.GetLogFilePath(),
            NFileOpers::CombinePath(NFileOpers::GetFullPath(NSharedBaseExports::LOGS_FOLDER_NAME),
                                    u"zavo.log"));
  EXPECT_EQ(mLogger.GetLogFilePath().ToUtf8(), (mBox.Home() / "Logs" / "zavo.log").string());
  ASSERT_TRUE(mLogger.LogTrace(10, 400, 3, LTDL_ERROR, 1210, u"%s|%d|", u"caf\u00E9", -1));
  ASSERT_TRUE(mLogger.LogTrace(0, 438, 21, LTDL_INFO, 1812, u"%s|", u"x"));
  const std::string text = contracts_testing::ReadAll(mBox.Home() / "Logs" / "zavo.log");
  // Each line: "YYYY-MM-DD hh:mm:ss.mmm " and then the fixed part.
  const std::vector<std::string> want = {"ERROR 10 400 3 1210 caf\xC3\xA9|-1|",
                                         "INFO 0 438 21 1812 x|"};
  std::vector<std::string> lines;
  for (size_t at = 0, end; (end = text.find('\n', at)) != std::string::npos; at = end + 1) {
    lines.push_back(text.substr(at, end - at));
  }
  ASSERT_EQ(lines.size(), want.size()) << text;
  for (size_t i = 0; i < lines.size(); ++i) {
    SCOPED_TRACE(lines[i]);
    ASSERT_GT(lines[i].size(), 24u);
    const std::string time = lines[i].substr(0, 24);
    for (size_t k = 0; k < time.size(); ++k) {
      const char shape = "dddd-dd-dd dd:dd:dd.ddd "[k];
      EXPECT_TRUE(shape == 'd' ? std::isdigit(static_cast<unsigned char>(time[k])) != 0
                               : time[k] == shape);
    }
    EXPECT_EQ(lines[i].substr(24), want[i]);
  }
}

TEST_F(LoggerTest, EnabledAndLevelComeFromSettingsAndEnvironment) {
  const CZavoString key(u"HKCU\\Software\\Vantor\\Zavo\\Logger");
  ASSERT_TRUE(NSettingsStore::WriteValue(key, u"Level", u"0x10002"));
  mLogger.Reload();
  EXPECT_TRUE(mLogger.IsEnabled());
  EXPECT_EQ(mLogger.GetLogLevel(), 0x10002);

  ASSERT_TRUE(NSettingsStore::WriteValue(key, u"Enabled", u"0"));
  mLogger.Reload();
  EXPECT_FALSE(mLogger.IsEnabled());

  ASSERT_TRUE(NSettingsStore::WriteValue(key, u"Enabled", u"1"));
  mBox.Set("ZAVO_LOG_LEVEL", "debug");
  mLogger.Reload();
  EXPECT_TRUE(mLogger.IsEnabled());
  EXPECT_EQ(mLogger.GetLogLevel(), LTDL_DEBUG);
  mBox.Set("ZAVO_LOG_LEVEL", "off");
  mLogger.Reload();
  EXPECT_FALSE(mLogger.IsEnabled());
  mBox.Set("ZAVO_LOG_LEVEL", "010");
  mLogger.Reload();
  EXPECT_EQ(mLogger.GetLogLevel(), 10);
  mBox.Set("ZAVO_LOG_LEVEL", "nonsense");  // ignored: the settings' level stays
  mLogger.Reload();
  EXPECT_EQ(mLogger.GetLogLevel(), 0x10002);

  // The machine tree answers when the user tree is silent.
  mBox.Unset("ZAVO_LOG_LEVEL");
  ASSERT_TRUE(NSettingsStore::DeleteValue(key, u"Level"));
  ASSERT_TRUE(NSettingsStore::WriteValue(u"HKLM\\Software\\Vantor\\Zavo\\Logger", u"Level", u"1"));
  mLogger.Reload();
  EXPECT_EQ(mLogger.GetLogLevel(), LTDL_ERROR);
}

TEST_F(LoggerTest, NoLogFolderStillReachesTheCapture) {
  // A file where the log folder should be.
  contracts_testing::WriteAll(mBox.Home() / "Logs", "not a folder");
  mLogger.Reload();
  CLogCapture capture;
  EXPECT_TRUE(mLogger.LogTrace(10, 400, 1, LTDL_ERROR, 1208, u""));
  EXPECT_EQ(capture.Lines().size(), 1u);
}

TEST_F(LoggerTest, CapturesNest) {
  CLogCapture outer;
  {
    CLogCapture inner;
    mLogger.LogTrace(0, 1, 1, LTDL_ERROR, 1, u"");
    EXPECT_EQ(inner.Lines().size(), 1u);
  }
  mLogger.LogTrace(0, 1, 2, LTDL_ERROR, 1, u"");
  ASSERT_EQ(outer.Lines().size(), 1u);
  EXPECT_EQ(outer.Lines()[0].site, 2);
}

}  // namespace
