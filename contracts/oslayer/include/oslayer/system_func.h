// NSystemFunc: atomic counters.
#pragma once

#include <oslayer/oslayer_export.h>

#include <cstdint>

namespace NSystemFunc {

// Atomic on the 32-bit value; each returns the new value.
OSLAYER_EXPORT int32_t InterLockedIncrement(int32_t* value);
OSLAYER_EXPORT int32_t InterLockedDecrement(int32_t* value);

}  // namespace NSystemFunc
