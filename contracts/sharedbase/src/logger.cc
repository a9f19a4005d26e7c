#include <oslayer/file_opers.h>
#include <oslayer/settings_store.h>
#include <sharedbase/logger.h>
#include <sharedbase/shared_base_exports.h>
#include <spdlog/logger.h>
#include <spdlog/sinks/rotating_file_sink.h>

#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

namespace {

constexpr size_t kMaxFileBytes = 1024 * 1024;
constexpr size_t kKeptFiles = 5;
const char16_t kSettingsKey[] = u"HKCU\\Software\\Vantor\\Zavo\\Logger";
const char16_t kMachineSettingsKey[] = u"HKLM\\Software\\Vantor\\Zavo\\Logger";

// A level as decimal, "0x" hex or one of the names.
std::optional<int32_t> ParseLevel(const std::string& text) {
  if (text == "debug") return LTDL_DEBUG;
  if (text == "error") return LTDL_ERROR;
  if (text == "warning") return LTDL_WARNING;
  if (text == "info" || text == "information") return LTDL_INFO;
  if (text.empty()) return std::nullopt;
  char* end = nullptr;
  const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  const long long v = std::strtoll(text.c_str(), &end, hex ? 16 : 10);  // "010" is ten
  if (end == text.c_str() || *end != '\0' || v < INT32_MIN || v > UINT32_MAX) return std::nullopt;
  return static_cast<int32_t>(static_cast<uint32_t>(v));
}

std::optional<CZavoString> Setting(const char16_t* name) {
  CZavoString value;
  if (NSettingsStore::ReadValue(kSettingsKey, name, value)) return value;
  if (NSettingsStore::ReadValue(kMachineSettingsKey, name, value)) return value;
  return std::nullopt;
}

const char* LevelName(int32_t level) {
  switch (level) {
    case LTDL_DEBUG:
      return "DEBUG";
    case LTDL_ERROR:
      return "ERROR";
    case LTDL_WARNING:
      return "WARNING";
    case LTDL_INFO:
      return "INFO";
  }
  return "LEVEL";
}

}  // namespace

bool SLogLine::operator==(const SLogLine& other) const {
  return module == other.module && unit == other.unit && site == other.site &&
         level == other.level && message == other.message && fields == other.fields;
}

struct CLogger::Sink {
  std::shared_ptr<spdlog::logger> logger;
};

CLogger& CLogger::GetInstance() {
  // Never destroyed: traces may come from other objects' destructors at process exit.
  static CLogger* instance = new CLogger;
  return *instance;
}

CLogger::CLogger() { Reload(); }
CLogger::~CLogger() = default;

bool CLogger::IsEnabled() const { return mEnabled.load(std::memory_order_relaxed); }

LogTraceDebugLevel CLogger::GetLogLevel() const {
  return static_cast<LogTraceDebugLevel>(mLevel.load(std::memory_order_relaxed));
}

void CLogger::SetEnabled(bool enabled) { mEnabled = enabled; }
void CLogger::SetLogLevel(int32_t level) { mLevel = level; }

bool CLogger::Passes(int32_t level) const {
  const int32_t rank = mLevel.load(std::memory_order_relaxed) & 0xFFFF;
  if (rank == 0) return true;
  if (level == LTDL_DEBUG) return false;
  return level <= rank;
}

void CLogger::Reload() {
  bool enabled = true;
  int32_t level = LTDL_INFO;
  if (auto v = Setting(u"Enabled")) enabled = CZavoString::ToBool(*v);
  if (auto v = Setting(u"Level")) {
    if (auto parsed = ParseLevel(v->ToUtf8())) level = *parsed;
  }
  if (const char* env = std::getenv("ZAVO_LOG_LEVEL")) {
    if (std::strcmp(env, "off") == 0) {
      enabled = false;
    } else if (auto parsed = ParseLevel(env)) {
      level = *parsed;
    }
  }
  mEnabled = enabled;
  mLevel = level;
  std::lock_guard<std::mutex> guard(mMutex);
  mSink.reset();
  mSinkTried = false;
}

CZavoString CLogger::GetLogFilePath() const {
  return NFileOpers::CombinePath(NFileOpers::GetFullPath(NSharedBaseExports::LOGS_FOLDER_NAME),
                                 u"zavo.log");
}

bool CLogger::LogTraceList(int32_t module, int32_t unit, int32_t site, int32_t level,
                           int32_t message, const char16_t* format, const SFormatArg* args,
                           size_t count) {
  if (!IsEnabled() || !Passes(level)) return false;
  SLogLine line;
  line.module = module;
  line.unit = unit;
  line.site = site;
  line.level = level;
  line.message = message;
  line.fields.FormatList(format, args, count);

  std::lock_guard<std::mutex> guard(mMutex);
  if (mCapture) mCapture->Add(line);
  if (!mSinkTried) {
    mSinkTried = true;
    try {
      const CZavoString folder = NFileOpers::GetFullPath(NSharedBaseExports::LOGS_FOLDER_NAME);
      NFileOpers::CreateFolder(folder);
      auto file = std::make_shared<spdlog::sinks::rotating_file_sink_mt>(
          NFileOpers::NativePath(GetLogFilePath()), kMaxFileBytes, kKeptFiles);
      auto logger = std::make_shared<spdlog::logger>("zavo", std::move(file));
      logger->set_pattern("%Y-%m-%d %H:%M:%S.%e %v");
      logger->set_level(spdlog::level::trace);
      // Each line is on disk at once: the log is evidence for the crash report.
      logger->flush_on(spdlog::level::trace);
      mSink = std::make_unique<Sink>(Sink{std::move(logger)});
    } catch (const std::exception&) {
      mSink.reset();  // no log file: lines still reach a capture
    }
  }
  if (!mSink) return mCapture != nullptr;
  try {
    mSink->logger->info("{} {} {} {} {} {}", LevelName(level), module, unit, site, message,
                        line.fields.ToUtf8());
  } catch (const std::exception&) {
    return false;
  }
  return true;
}

CLogCapture::CLogCapture() {
  CLogger& logger = CLogger::GetInstance();
  std::lock_guard<std::mutex> guard(logger.mMutex);
  mPrevious = logger.mCapture;
  logger.mCapture = this;
}

CLogCapture::~CLogCapture() {
  CLogger& logger = CLogger::GetInstance();
  std::lock_guard<std::mutex> guard(logger.mMutex);
  if (logger.mCapture == this) logger.mCapture = mPrevious;
}

std::vector<SLogLine> CLogCapture::Lines() const {
  std::lock_guard<std::mutex> guard(mMutex);
  return mLines;
}

void CLogCapture::Clear() {
  std::lock_guard<std::mutex> guard(mMutex);
  mLines.clear();
}

void CLogCapture::Add(const SLogLine& line) {
  std::lock_guard<std::mutex> guard(mMutex);
  mLines.push_back(line);
}
