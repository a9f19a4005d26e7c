#include <oslayer/time_man.h>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <thread>

namespace NTimeMan {
namespace {

int64_t ZoneOffsetSeconds(time_t moment) {
  std::tm local{};
  localtime_r(&moment, &local);
  return local.tm_gmtoff;
}

}  // namespace

int64_t GetGmtMilliSecSince1970() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

int64_t GetMilliSecSince1970() {
  const int64_t utc = GetGmtMilliSecSince1970();
  return utc + ZoneOffsetSeconds(static_cast<time_t>(utc / 1000)) * 1000;
}

CZavoString GetCurrTimeAsString() {
  const int64_t utc = GetGmtMilliSecSince1970();
  const time_t seconds = static_cast<time_t>(utc / 1000);
  std::tm local{};
  localtime_r(&seconds, &local);
  char text[96];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d.%03d", local.tm_year + 1900,
                local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec,
                static_cast<int>(utc % 1000));
  return CZavoString(text);
}

void ZavoSleep(uint32_t milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace NTimeMan
