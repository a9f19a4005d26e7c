#include <corekit/string.h>
#include <corekit/throwable.h>
#include <gtest/gtest.h>
#include <tasking/tasking.h>

#include <string>

namespace {

using namespace zvthrd;

// Records Lock and Unlock calls in order, and counts its references as the runtime does.
class RecordingCritical final : public CriticalItf {
 public:
  explicit RecordingCritical(std::string* log) : mLog(log) {}
  int AddRef() const override { return ++mRefCount; }
  int Release() const override {
    const int count = --mRefCount;
    if (count == 0) delete this;
    return count;
  }
  void Lock() override { *mLog += "L"; }
  void Unlock() override { *mLog += "U"; }
  ~RecordingCritical() override { *mLog += "~"; }

 private:
  mutable int mRefCount = 0;
  std::string* mLog;
};

class RecordingFactory final : public ThreadsFactoryItf {
 public:
  SPtr<CriticalItf> CreateCritical() override {
    return SPtr<CriticalItf>(new RecordingCritical(&log));
  }
  std::string log;
};

TEST(ThreadsGlobalsTest, EmptyRegistryThrowsIllegalState) {
  ThreadsGlobals::SetFactory(nullptr);
  try {
    ThreadsGlobals::GetFactory();
    FAIL() << "no exception";
  } catch (const zvlang::RuntimeException& e) {
    EXPECT_TRUE(static_cast<const zvlang::Throwable&>(e).GetFullName() ==
                zvlang::CZvString(u"com.zavo.lang.IllegalStateException"));
    EXPECT_TRUE(e.getMessage() == zvlang::CZvString(u"No thread factory installed"));
  }
}

TEST(ThreadsGlobalsTest, AutoLockerLocksForItsScopeAndHoldsTheLock) {
  RecordingFactory factory;
  ThreadsGlobals::SetFactory(&factory);
  {
    SPtr<CriticalItf> critical = ThreadsGlobals::GetFactory().CreateCritical();
    {
      AutoLocker outer(critical);
      AutoLocker inner(critical);
      EXPECT_EQ(factory.log, "LL");
    }
    EXPECT_EQ(factory.log, "LLUU");
    {
      AutoLocker keeps(critical);
      critical = SPtr<CriticalItf>();  // the locker's own reference keeps it alive
      EXPECT_EQ(factory.log, "LLUUL");
    }
  }
  EXPECT_EQ(factory.log, "LLUULU~");
  AutoLocker none{SPtr<CriticalItf>()};
  ThreadsGlobals::SetFactory(nullptr);
}

}  // namespace
