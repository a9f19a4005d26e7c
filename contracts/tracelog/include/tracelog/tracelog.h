// TraceLog: the logging facade of the usage statistics.
#pragma once

#include <tracelog/log.h>
