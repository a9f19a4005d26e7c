// CoreKit: the runtime under MsgCodec, UsageStats and HostBridge.
#pragma once

#include <corekit/sptr.h>
#include <corekit/unknown.h>
