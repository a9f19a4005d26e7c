#include <corekit/throwable.h>
#include <gtest/gtest.h>
#include <tracelog/tracelog.h>

#include <string>
#include <vector>

namespace {

using namespace zvlogger;

std::string Narrow(const CZvString& s) {
  std::string out;
  for (int i = 0; i < s.length(); ++i) out += static_cast<char>(s.charAt(i));
  return out;
}

// A host logger that records its lines, and a factory that keeps the facade's observer.
class RecordingLogger final : public LoggerItf {
 public:
  explicit RecordingLogger(std::vector<std::string>* lines) : mLines(lines) {}
  void Trace(int level, const CZvString& module, const CZvString& message) override {
    mLines->push_back(std::to_string(level) + " " + Narrow(module) + " " + Narrow(message));
  }

 private:
  std::vector<std::string>* mLines;
};

class RecordingFactory final : public LoggerFactoryItf {
 public:
  LoggerItf* CreateLogger(SPtr<LogLevelChangeObserverItf>& o) override {
    observer = o;
    ++created;
    return new RecordingLogger(&lines);
  }
  void ReleaseLogger(LoggerItf*& logger) override {
    delete logger;
    logger = nullptr;
    ++released;
  }
  SPtr<LogLevelChangeObserverItf> observer;
  std::vector<std::string> lines;
  int created = 0, released = 0;
};

// The factories outlive the test body: TearDown gives the installed logger back to its factory.
class LogTest : public testing::Test {
 protected:
  void TearDown() override {
    Log::SetLogger(nullptr);
    Log::mLevel = TLogLevel::ZV_INFO;
  }
  RecordingFactory mFactory, mOther;
};

TEST_F(LogTest, LevelsAreOrdered) {
  EXPECT_LT(TLogLevel::ZV_NO_LOGGING, TLogLevel::ZV_ERROR);
  EXPECT_LT(TLogLevel::ZV_ERROR, TLogLevel::ZV_INFO);
  EXPECT_LT(TLogLevel::ZV_INFO, TLogLevel::ZV_DEBUG);
  EXPECT_EQ(sizeof(Log::mLevel), 4u);
}

TEST_F(LogTest, NoLoggerThrowsIllegalStateAndDropsLines) {
  try {
    Log::GetLogger();
    FAIL() << "no exception";
  } catch (const zvlang::IllegalStateException& e) {
    EXPECT_EQ(Narrow(e.getMessage()), "No logger installed");
  }
  Log::Err(u"Behavior Mgr", u"dropped");  // no logger: nothing, no throw
}

TEST_F(LogTest, LinesReachTheLoggerWithTheirLevel) {
  Log::SetLogger(&mFactory);
  ASSERT_EQ(mFactory.created, 1);
  Log::mLevel = TLogLevel::ZV_DEBUG;
  Log::Debug(u"Behavior Mgr", u"d");
  Log::Info(u"Behavior Mgr", u"i");
  Log::Err(u"Item Store", u"e");
  EXPECT_EQ(mFactory.lines,
            (std::vector<std::string>{"3 Behavior Mgr d", "2 Behavior Mgr i", "1 Item Store e"}));
  EXPECT_EQ(&Log::GetLogger(), &Log::GetLogger());
}

TEST_F(LogTest, ObserverSetsTheLevel) {
  Log::SetLogger(&mFactory);
  ASSERT_TRUE(mFactory.observer);
  mFactory.observer->LogLevelChanged(TLogLevel::ZV_NO_LOGGING);
  EXPECT_EQ(Log::mLevel.load(), TLogLevel::ZV_NO_LOGGING);
  Log::Err(u"m", u"dropped");
  EXPECT_TRUE(mFactory.lines.empty());
  mFactory.observer->LogLevelChanged(TLogLevel::ZV_INFO);
  Log::Debug(u"m", u"dropped");
  Log::Info(u"m", u"kept");
  Log::Err(u"m", u"kept");
  EXPECT_EQ(mFactory.lines, (std::vector<std::string>{"2 m kept", "1 m kept"}));
}

TEST_F(LogTest, ReleaseGivesTheLoggerBackToItsFactoryOnly) {
  Log::SetLogger(&mFactory);
  Log::Release(mOther);  // not installed: nothing
  EXPECT_EQ(mFactory.released, 0);
  EXPECT_NO_THROW(Log::GetLogger());
  Log::Release(mFactory);
  EXPECT_EQ(mFactory.released, 1);
  EXPECT_THROW(Log::GetLogger(), zvlang::IllegalStateException);
  // Installing over an installed factory gives the old logger back first.
  Log::SetLogger(&mFactory);
  Log::SetLogger(&mOther);
  EXPECT_EQ(mFactory.released, 2);
  Log::Info(u"m", u"x");
  EXPECT_EQ(mOther.lines.size(), 1u);
}

}  // namespace
