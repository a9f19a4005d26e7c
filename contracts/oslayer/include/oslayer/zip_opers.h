// NZipOpers: writing zip archives.
#pragma once

#include <oslayer/oslayer_export.h>
#include <oslayer/zavo_string.h>

#include <cstdint>

struct SZipArchive;
typedef SZipArchive* HZIP;

namespace NZipOpers {

// Kinds of CreateZip's target and of ZipAdd's source.
constexpr int32_t ZIP_FILENAME = 2;  // a file path
constexpr int32_t ZIP_FOLDER = 4;    // a folder entry, no source

// Starts a new archive at target (kind ZIP_FILENAME); null when it cannot be created.
OSLAYER_EXPORT HZIP CreateZip(const CZavoString& target, int32_t reserved, int32_t kind);
// Adds one entry. The source file has been read when this returns, so the caller may delete
// it. The entry name uses "/" between folders; leading separators, "." and ".." parts are
// dropped so that no entry names a place outside the archive. False for a missing source, an
// empty name, or a name already in the archive.
OSLAYER_EXPORT bool ZipAdd(HZIP zip, const CZavoString& name, const char16_t* source,
                           int32_t reserved, int32_t kind);
// Writes the archive and frees the handle (also on failure). An archive without entries is
// not written (libzip leaves no file), which counts as success.
OSLAYER_EXPORT bool CloseZip(HZIP zip);

}  // namespace NZipOpers
