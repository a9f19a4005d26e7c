#include <corekit/throwable.h>
#include <tracelog/log.h>

#include <mutex>
#include <new>

namespace zvlogger {
namespace {

// Puts the host's level changes into Log::mLevel.
class LevelObserver final : public LogLevelChangeObserverItf {
 public:
  int AddRef() const override { return ++mRefCount; }
  int Release() const override {
    const int count = --mRefCount;
    if (count == 0) delete this;
    return count;
  }
  void LogLevelChanged(int level) override { Log::mLevel = level; }

 private:
  ~LevelObserver() = default;
  mutable std::atomic<int> mRefCount{0};
};

// Guards the installed pair; recursive, as a logger may trace while it is being installed.
std::recursive_mutex gMutex;
LoggerFactoryItf* gFactory = nullptr;
LoggerItf* gLogger = nullptr;

void ReleaseInstalled() {
  if (gFactory && gLogger) gFactory->ReleaseLogger(gLogger);
  gFactory = nullptr;
  gLogger = nullptr;
}

void Pass(int32_t level, const CZvString& module, const CZvString& message) {
  if (Log::mLevel < level) return;
  std::lock_guard<std::recursive_mutex> guard(gMutex);
  if (gLogger) gLogger->Trace(level, module, message);
}

}  // namespace

std::atomic<int32_t> Log::mLevel{TLogLevel::ZV_INFO};

LoggerItf::~LoggerItf() = default;
LoggerFactoryItf::~LoggerFactoryItf() = default;

void Log::SetLogger(LoggerFactoryItf* factory) {
  std::lock_guard<std::recursive_mutex> guard(gMutex);
  ReleaseInstalled();
  if (!factory) return;
  LevelObserver* raw = new (std::nothrow) LevelObserver;
  if (!raw) zvlang::OutOfMemoryError::ThrowInstance();
  SPtr<LogLevelChangeObserverItf> observer(raw);
  LoggerItf* logger = factory->CreateLogger(observer);
  if (logger) {
    gFactory = factory;
    gLogger = logger;
  }
}

void Log::Release(LoggerFactoryItf& factory) {
  std::lock_guard<std::recursive_mutex> guard(gMutex);
  if (gFactory == &factory) ReleaseInstalled();
}

LoggerItf& Log::GetLogger() {
  std::lock_guard<std::recursive_mutex> guard(gMutex);
  if (!gLogger) throw zvlang::IllegalStateException(CZvString(u"No logger installed"));
  return *gLogger;
}

void Log::Debug(const CZvString& module, const CZvString& message) {
  Pass(TLogLevel::ZV_DEBUG, module, message);
}

void Log::Info(const CZvString& module, const CZvString& message) {
  Pass(TLogLevel::ZV_INFO, module, message);
}

void Log::Err(const CZvString& module, const CZvString& message) {
  Pass(TLogLevel::ZV_ERROR, module, message);
}

}  // namespace zvlogger
