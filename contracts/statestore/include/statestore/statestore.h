// StateStore: runtime network state, access-point records and client preferences.
#pragma once

#include <statestore/client_prefs.h>
#include <statestore/runtime_database.h>
#include <statestore/topology.h>
