// CharSequence: the read interface shared by strings and string builders.
#pragma once

#include <corekit/corekit_export.h>

namespace zvlang {

// Lengths and indexes count UTF-16 units. No virtual destructor: an object obtained from
// subSequence is freed with its own Release, never with delete through this interface.
class COREKIT_EXPORT CharSequence {
 public:
  virtual int length() const = 0;
  virtual char16_t charAt(int index) const = 0;
  // A new object owned by the caller, who frees it with Release().
  virtual CharSequence* subSequence(int start, int end) const = 0;
  virtual void Release() = 0;

 protected:
  ~CharSequence() = default;
};

}  // namespace zvlang
