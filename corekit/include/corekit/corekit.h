// CoreKit: the runtime under MsgCodec, UsageStats and HostBridge.
#pragma once

#include <corekit/array.h>
#include <corekit/char_sequence.h>
#include <corekit/dynamic_array.h>
#include <corekit/integer.h>
#include <corekit/sptr.h>
#include <corekit/string.h>
#include <corekit/string_builder.h>
#include <corekit/throwable.h>
#include <corekit/unknown.h>
