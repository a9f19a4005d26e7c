// NetKinds: network value types.
#pragma once

#include <netkinds/bssid.h>
