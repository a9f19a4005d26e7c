// NTimeMan: the clock.
#pragma once

#include <oslayer/oslayer_export.h>
#include <oslayer/zavo_string.h>

#include <cstdint>

namespace NTimeMan {

// Milliseconds since 1970 in local time: UTC plus the zone offset of the moment.
OSLAYER_EXPORT int64_t GetMilliSecSince1970();
// Milliseconds since 1970, UTC.
OSLAYER_EXPORT int64_t GetGmtMilliSecSince1970();
// Local time as "YYYY-MM-DD hh:mm:ss.mmm".
OSLAYER_EXPORT CZavoString GetCurrTimeAsString();
OSLAYER_EXPORT void ZavoSleep(uint32_t milliseconds);

}  // namespace NTimeMan
