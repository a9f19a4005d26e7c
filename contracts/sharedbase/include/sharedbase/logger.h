// CLogger: the process-wide trace logger. A line carries its module, source unit, call site,
// level, message number and the fields its format made; it goes to a rotating file in the log
// folder and, while a CLogCapture is installed, to that capture.
//
//   CLogger& log = CLogger::GetInstance();
//   if (log.IsEnabled())
//     log.LogTrace(LTM_CROSS_PLATFORM, 400, 3, LTDL_ERROR, 1210, u"%s|%d|", name, code);
#pragma once

#include <oslayer/zavo_string.h>
#include <sharedbase/sharedbase_export.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

enum LogTraceModules : int32_t {
  LTM_CLIENT = 0,
  LTM_CROSS_PLATFORM = 10,
};

enum LogTraceDebugLevel : int32_t {
  LTDL_DEBUG = 0,
  LTDL_ERROR = 1,
  LTDL_WARNING = 2,
  LTDL_INFO = 3,
};

// One trace line as the logger wrote it, without its time.
struct SHAREDBASE_EXPORT SLogLine {
  int32_t module = 0;
  int32_t unit = 0;
  int32_t site = 0;
  int32_t level = 0;
  int32_t message = 0;
  CZavoString fields;  // the format applied to the arguments, as "pipe|7|3|"
  bool operator==(const SLogLine& other) const;
};

class CLogCapture;

class SHAREDBASE_EXPORT CLogger {
 public:
  static CLogger& GetInstance();

  bool IsEnabled() const;
  // The configured level. Its low 16 bits rank what is written: 0 writes every line (debug
  // included); 1 errors; 2 errors and warnings; 3 and above errors, warnings and information.
  // The high 16 bits are free for the settings' own use and do not gate.
  LogTraceDebugLevel GetLogLevel() const;

  // Writes one line when the logger is enabled and the level lets it through; true when the
  // line was written. Format is a wide printf format (CZavoString::Format), each field ending
  // in "|"; empty when there are no arguments.
  template <class... Args>
  bool LogTrace(int32_t module, int32_t unit, int32_t site, int32_t level, int32_t message,
                const char16_t* format, const Args&... args) {
    if (!IsEnabled()) return false;
    const SFormatArg list[] = {CZavoString::MakeFormatArg(args)..., SFormatArg()};
    return LogTraceList(module, unit, site, level, message, format, list, sizeof...(Args));
  }
  bool LogTraceList(int32_t module, int32_t unit, int32_t site, int32_t level, int32_t message,
                    const char16_t* format, const SFormatArg* args, size_t count);

  void SetEnabled(bool enabled);
  void SetLogLevel(int32_t level);
  // Reads enabled and level again from the settings ("HKCU\Software\Vantor\Zavo\Logger", then
  // the machine tree; values "Enabled" and "Level") and ZAVO_LOG_LEVEL, and reopens the file
  // in the log folder of the moment.
  void Reload();
  // The file lines go to: "zavo.log" in the log folder.
  CZavoString GetLogFilePath() const;
  // True when level passes the configured level (see GetLogLevel).
  bool Passes(int32_t level) const;

  CLogger(const CLogger&) = delete;
  CLogger& operator=(const CLogger&) = delete;

 private:
  friend class CLogCapture;
  struct Sink;
  CLogger();
  ~CLogger();

  std::atomic<bool> mEnabled{true};
  std::atomic<int32_t> mLevel{LTDL_INFO};
  std::mutex mMutex;  // guards mSink and mCapture
  std::unique_ptr<Sink> mSink;
  bool mSinkTried = false;
  CLogCapture* mCapture = nullptr;
};

// Records every line the logger writes while it lives, so that tests check trace lines
// exactly. Captures nest: the newest receives the lines, and the one before it returns when it
// goes.
class SHAREDBASE_EXPORT CLogCapture {
 public:
  CLogCapture();
  ~CLogCapture();
  std::vector<SLogLine> Lines() const;
  void Clear();

  CLogCapture(const CLogCapture&) = delete;
  CLogCapture& operator=(const CLogCapture&) = delete;

 private:
  friend class CLogger;
  void Add(const SLogLine& line);

  mutable std::mutex mMutex;
  std::vector<SLogLine> mLines;
  CLogCapture* mPrevious = nullptr;
};
