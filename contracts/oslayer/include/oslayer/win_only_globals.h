// NWinOnlyGlobals: the report folder.
#pragma once

#include <oslayer/oslayer_export.h>
#include <oslayer/zavo_string.h>

namespace NWinOnlyGlobals {

// The "Reports" folder of the install folder, created when missing.
OSLAYER_EXPORT CZavoString GetReportFolder();
// Moves the file into the report folder and returns its new path. A report of the same name
// already there is kept: the new one gets "-2", "-3", ... before its extension. When the file
// cannot be moved, its old path is returned.
OSLAYER_EXPORT CZavoString PostToReportFolder(const CZavoString& path);

}  // namespace NWinOnlyGlobals
