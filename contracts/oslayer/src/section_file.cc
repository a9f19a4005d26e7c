#include <oslayer/file_opers.h>

#include "ini_file.h"
#include "platform_objects.h"

namespace oslayer_internal {

CIniSectionFile::CIniSectionFile() { PrepareIni(mIni); }

bool CIniSectionFile::SetFile(const CZavoString& path) {
  mPath = NFileOpers::NativePath(path);
  return LoadIni(mIni, mPath);
}

bool CIniSectionFile::WriteValue(const CZavoString& section, const CZavoString& key,
                                 const CZavoString& value) {
  if (mPath.empty() || key.IsEmpty()) return false;
  if (mIni.SetValue(section.ToUtf8().c_str(), key.ToUtf8().c_str(), value.ToUtf8().c_str()) < 0) {
    return false;
  }
  return SaveIni(mIni, mPath);
}

bool CIniSectionFile::ReadValue(const CZavoString& section, const CZavoString& key,
                                CZavoString& value) {
  const char* found = mIni.GetValue(section.ToUtf8().c_str(), key.ToUtf8().c_str(), nullptr);
  if (!found) return false;
  value = CZavoString::FromUtf8(found);
  return true;
}

}  // namespace oslayer_internal
