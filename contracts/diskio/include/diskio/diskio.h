// DiskIo: the file services the usage statistics reach files through.
#pragma once

#include <diskio/file_globals.h>
#include <diskio/file_interfaces.h>
#include <diskio/file_types.h>
