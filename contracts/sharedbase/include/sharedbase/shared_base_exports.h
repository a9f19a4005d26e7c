// Names SharedBase shares with its callers.
#pragma once

#include <oslayer/zavo_string.h>
#include <sharedbase/sharedbase_export.h>

namespace NSharedBaseExports {

// "Logs": the log folder, resolved against the install folder with NFileOpers::GetFullPath.
extern SHAREDBASE_EXPORT const CZavoString LOGS_FOLDER_NAME;

}  // namespace NSharedBaseExports
