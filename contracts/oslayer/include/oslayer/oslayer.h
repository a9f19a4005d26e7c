// OsLayer: strings, files, zip archives, time, settings and the platform objects.
#pragma once

#include <oslayer/class_factory.h>
#include <oslayer/file_opers.h>
#include <oslayer/settings_store.h>
#include <oslayer/system_func.h>
#include <oslayer/time_man.h>
#include <oslayer/win_only_globals.h>
#include <oslayer/zavo_string.h>
#include <oslayer/zip_opers.h>
