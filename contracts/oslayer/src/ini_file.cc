#include "ini_file.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace oslayer_internal {

void PrepareIni(CSimpleIniA& ini) {
  ini.SetUnicode(true);
  ini.SetMultiKey(false);
  ini.SetMultiLine(true);
  ini.SetSpaces(true);
}

bool LoadIni(CSimpleIniA& ini, const std::string& path) {
  ini.Reset();
  PrepareIni(ini);
  std::error_code ec;
  if (!fs::exists(path, ec)) return true;
  if (!fs::is_regular_file(path, ec)) return false;
  return ini.LoadFile(path.c_str()) >= 0;
}

bool SaveIni(const CSimpleIniA& ini, const std::string& path) {
  std::error_code ec;
  const fs::path target(path);
  if (target.has_parent_path()) fs::create_directories(target.parent_path(), ec);
  const std::string temporary = path + ".tmp" + std::to_string(getpid());
  if (ini.SaveFile(temporary.c_str(), false) < 0) {
    fs::remove(temporary, ec);
    return false;
  }
  fs::rename(temporary, target, ec);
  if (ec) {
    fs::remove(temporary, ec);
    return false;
  }
  return true;
}

}  // namespace oslayer_internal
