#include <oslayer/file_opers.h>
#include <oslayer/win_only_globals.h>

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace NWinOnlyGlobals {

CZavoString GetReportFolder() {
  CZavoString folder = NFileOpers::CombinePath(NFileOpers::GetInstallPath(), u"Reports");
  NFileOpers::CreateFolder(folder);
  return folder;
}

CZavoString PostToReportFolder(const CZavoString& path) {
  std::error_code ec;
  const fs::path source = NFileOpers::NativePath(path);
  if (!fs::is_regular_file(source, ec)) return path;
  const fs::path folder = NFileOpers::NativePath(GetReportFolder());
  fs::path target = folder / source.filename();
  for (int n = 2; fs::exists(target, ec); ++n) {
    if (fs::equivalent(source, target, ec)) return path;  // already there
    target =
        folder / (source.stem().string() + "-" + std::to_string(n) + source.extension().string());
  }
  fs::rename(source, target, ec);
  if (ec) {
    // Another file system: copy, then remove the original.
    ec.clear();
    if (!fs::copy_file(source, target, ec)) return path;
    fs::remove(source, ec);
  }
  return CZavoString::FromUtf8(target.string());
}

}  // namespace NWinOnlyGlobals
