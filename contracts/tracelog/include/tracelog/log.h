// TraceLog: the static logging facade of the usage statistics, and the interfaces of the
// logger the host installs behind it.
//
//   if (Log::mLevel >= TLogLevel::ZV_INFO) Log::Info(u"Behavior Mgr", text);
#pragma once

#include <corekit/sptr.h>
#include <corekit/string.h>
#include <corekit/unknown.h>
#include <tracelog/tracelog_export.h>

#include <atomic>
#include <cstdint>

namespace zvlogger {

using zvlang::CZvString;

// Ordered: a line is written while Log::mLevel >= its level.
struct TLogLevel {
  static constexpr int32_t ZV_NO_LOGGING = 0;
  static constexpr int32_t ZV_ERROR = 1;
  static constexpr int32_t ZV_INFO = 2;
  static constexpr int32_t ZV_DEBUG = 3;
};

// Handed to the logger factory by the facade: the host reports level changes through it.
class TRACELOG_EXPORT LogLevelChangeObserverItf : public zvlang::ZvUnknownItf {
 public:
  // From now on the facade logs at level (it becomes Log::mLevel).
  virtual void LogLevelChanged(int level) = 0;

 protected:
  ~LogLevelChangeObserverItf() = default;  // deleted only by its own Release
};

class TRACELOG_EXPORT LoggerItf {
 public:
  virtual void Trace(int level, const CZvString& module, const CZvString& message) = 0;
  virtual ~LoggerItf();
};

class TRACELOG_EXPORT LoggerFactoryItf {
 public:
  virtual LoggerItf* CreateLogger(SPtr<LogLevelChangeObserverItf>& observer) = 0;
  virtual void ReleaseLogger(LoggerItf*& logger) = 0;
  virtual ~LoggerFactoryItf();
};

class TRACELOG_EXPORT Log {
 public:
  // The current level; ZV_INFO until the host's observer changes it.
  static std::atomic<int32_t> mLevel;

  // Installs factory: the facade asks it for a logger, handing it an observer of its own. A
  // logger installed before is given back to its factory first. Null only uninstalls.
  static void SetLogger(LoggerFactoryItf* factory);
  // Gives the logger back to factory with ReleaseLogger, when factory is the one installed.
  static void Release(LoggerFactoryItf& factory);
  // zvlang::IllegalStateException "No logger installed" while there is none.
  static LoggerItf& GetLogger();

  // Pass the line to the installed logger with ZV_DEBUG, ZV_INFO or ZV_ERROR; a line above
  // mLevel, or with no logger installed, is dropped.
  static void Debug(const CZvString& module, const CZvString& message);
  static void Info(const CZvString& module, const CZvString& message);
  static void Err(const CZvString& module, const CZvString& message);
};

}  // namespace zvlogger
