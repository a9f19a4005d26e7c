#include <corekit/string.h>
#include <corekit/throwable.h>
#include <msgcodec/zavo/cl/behavior.h>

namespace zavo::cl {

void MeasureReq::setBssid(const char* address, int length) {
  using zvlang::CZvString;
  if (address == nullptr || length != 6) {
    throw zvlang::IllegalArgumentException(
        CZvString(u"MeasureReq::setBssid() : either input is Null or has illegal length"));
  }
  const int rc = bssid.Copy(address, 6);
  if (rc == HES_OK) return;
  if (rc == HES_E_NO_MEMORY) zvlang::OutOfMemoryError::ThrowInstance();
  throw zvlang::Exception(CZvString(u"MeasureReq::setBssid(). Got error: ") + CZvString(rc));
}

}  // namespace zavo::cl
