#include <toolbox/global_toolbox.h>

namespace NGlobalToolbox {

int64_t PackVersion(uint32_t major, uint32_t minor, uint32_t patch, uint32_t build) {
  const uint64_t packed = (static_cast<uint64_t>(major & 0xFFFF) << 48) |
                          (static_cast<uint64_t>(minor & 0xFFFF) << 32) |
                          (static_cast<uint64_t>(patch & 0xFFFF) << 16) |
                          static_cast<uint64_t>(build & 0xFFFF);
  return static_cast<int64_t>(packed);
}

int64_t converVersionTo64bit() {
  return PackVersion(ZAVO_VERSION_MAJOR, ZAVO_VERSION_MINOR, ZAVO_VERSION_PATCH,
                     ZAVO_VERSION_BUILD);
}

CZavoString GetClientVersion() { return CZavoString(ZAVO_CLIENT_VERSION); }

}  // namespace NGlobalToolbox
