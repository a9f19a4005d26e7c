#include <oslayer/file_opers.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace NFileOpers {
namespace {

std::string EnvOr(const char* name) {
  const char* v = std::getenv(name);
  return v && *v ? std::string(v) : std::string();
}

std::u16string Normalise(std::u16string_view path) {
  std::u16string out;
  out.reserve(path.size());
  for (char16_t c : path) {
    if (c == u'\\') c = u'/';
    if (c == u'/' && !out.empty() && out.back() == u'/') continue;
    out += c;
  }
  return out;
}

}  // namespace

std::string NativePath(const CZavoString& path) {
  return CZavoString(Normalise(path.Str())).ToUtf8();
}

CZavoString GetInstallPath() {
  std::string dir = EnvOr("ZAVO_HOME");
  if (dir.empty()) {
    std::string data = EnvOr("XDG_DATA_HOME");
    if (data.empty()) data = EnvOr("HOME") + "/.local/share";
    dir = data + "/zavo";
  }
  std::error_code ec;
  fs::create_directories(dir, ec);
  std::u16string path = CZavoString::FromUtf8(dir).Str();
  path = Normalise(path);
  while (path.size() > 1 && path.back() == u'/') path.pop_back();
  return CZavoString(path);
}

CZavoString CombinePath(const CZavoString& base, const CZavoString& name) {
  std::u16string joined = base.Str();
  if (!joined.empty() && !name.IsEmpty()) joined += u'/';
  joined += name.Str();
  return CZavoString(Normalise(joined));
}

CZavoString GetFullPath(const CZavoString& name) {
  const std::u16string& s = name.Str();
  if (!s.empty() && (s[0] == u'/' || s[0] == u'\\')) return CZavoString(Normalise(s));
  return CombinePath(GetInstallPath(), name);
}

bool FileExists(const CZavoString& path) {
  std::error_code ec;
  return fs::is_regular_file(NativePath(path), ec);
}

bool FolderExists(const CZavoString& path) {
  std::error_code ec;
  return fs::is_directory(NativePath(path), ec);
}

bool CreateFolder(const CZavoString& path) {
  if (path.IsEmpty()) return false;
  std::error_code ec;
  const std::string p = NativePath(path);
  fs::create_directories(p, ec);
  return fs::is_directory(p, ec);
}

bool EraseFile(const CZavoString& path) {
  std::error_code ec;
  const std::string p = NativePath(path);
  if (fs::is_directory(fs::symlink_status(p, ec))) return false;
  return fs::remove(p, ec);
}

bool EraseFolder(const CZavoString& path) {
  std::error_code ec;
  const std::string p = NativePath(path);
  if (!fs::is_directory(fs::symlink_status(p, ec))) return false;
  return fs::remove(p, ec);  // refuses a folder that is not empty
}

bool CloneFile(const CZavoString& source, const CZavoString& target) {
  std::error_code ec;
  const std::string from = NativePath(source);
  if (!fs::is_regular_file(from, ec)) return false;
  return fs::copy_file(from, NativePath(target), fs::copy_options::overwrite_existing, ec);
}

bool GetFolderFiles(const CZavoString& folder, SFileNameList& names) {
  names.clear();
  std::error_code ec;
  fs::directory_iterator it(NativePath(folder), ec);
  if (ec) return false;
  for (; it != fs::directory_iterator(); it.increment(ec)) {
    if (ec) return false;
    names.push_back(CZavoString::FromUtf8(it->path().filename().string()));
  }
  std::sort(names.begin(), names.end());
  return true;
}

}  // namespace NFileOpers
