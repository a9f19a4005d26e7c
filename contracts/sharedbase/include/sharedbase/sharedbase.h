// SharedBase: the process-wide logger, MAC address text and the log folder's name.
#pragma once

#include <sharedbase/logger.h>
#include <sharedbase/mac_addr.h>
#include <sharedbase/shared_base_exports.h>
