// Counts the program's allocations: this program replaces the global operator new.
#pragma once

long AllocationCount();
