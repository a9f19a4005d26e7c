// The INI files behind ISectionFile and the settings store: SimpleIni over UTF-8 text.
#pragma once

// Text is kept as UTF-8 bytes; no wide variant of SimpleIni is used.
#define SI_NO_CONVERSION
// Debian splits the template definitions off behind SI_IMPLEMENTATION; instantiating them here
// keeps OsLayer free of the ICU libraries that libsimpleini.so pulls in.
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

#include <string>

namespace oslayer_internal {

// Reads path into ini; a missing file gives an empty ini. False when the file exists but
// cannot be read.
bool LoadIni(CSimpleIniA& ini, const std::string& path);
// Saves through a temporary file renamed over path, creating the folder when missing.
bool SaveIni(const CSimpleIniA& ini, const std::string& path);
void PrepareIni(CSimpleIniA& ini);

}  // namespace oslayer_internal
