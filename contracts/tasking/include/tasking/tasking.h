// Tasking: the locks the usage statistics take.
#pragma once

#include <tasking/auto_locker.h>
#include <tasking/threads_globals.h>
