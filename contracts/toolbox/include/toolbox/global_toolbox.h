// NGlobalToolbox: the client's version.
#pragma once

#include <oslayer/zavo_string.h>
#include <toolbox/toolbox_export.h>

#include <cstdint>

namespace NGlobalToolbox {

// The client version as one number: major, minor, patch and build, 16 bits each, major in the
// top bits (1.2.3.4 is 0x0001000200030004).
TOOLBOX_EXPORT int64_t converVersionTo64bit();
// The same packing of any version; each part keeps its low 16 bits.
TOOLBOX_EXPORT int64_t PackVersion(uint32_t major, uint32_t minor, uint32_t patch, uint32_t build);
// "major.minor.patch.build".
TOOLBOX_EXPORT CZavoString GetClientVersion();

}  // namespace NGlobalToolbox
