// Toolbox: machine properties, a scoped lock and the client version.
#pragma once

#include <toolbox/auto_lock.h>
#include <toolbox/global_toolbox.h>
#include <toolbox/property.h>
#include <toolbox/reg_entries.h>
