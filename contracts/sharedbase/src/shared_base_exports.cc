#include <sharedbase/shared_base_exports.h>

namespace NSharedBaseExports {

const CZavoString LOGS_FOLDER_NAME(u"Logs");

}  // namespace NSharedBaseExports
