// ZvUnknownItf: the counting interface of the runtime's shared objects.
#pragma once

#include <corekit/corekit_export.h>

namespace zvlang {

// Implementations keep a mutable 32-bit count that starts at 0, so a new object has no owner
// until the first SPtr takes it; Release deletes the object when the count returns to 0.
// The counts are plain integers: callers serialise access with their own locks.
class COREKIT_EXPORT ZvUnknownItf {
 public:
  virtual int AddRef() const = 0;
  virtual int Release() const = 0;
};

}  // namespace zvlang
