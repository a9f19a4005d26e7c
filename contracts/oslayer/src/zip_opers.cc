#include <oslayer/file_opers.h>
#include <oslayer/zip_opers.h>
#include <unistd.h>
#include <zip.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

struct SZipArchive {
  zip_t* archive = nullptr;
};

namespace NZipOpers {
namespace {

// "a\..\b/./c" -> "a/b/c": an entry name never leaves the archive's root.
std::string SafeEntryName(const CZavoString& name) {
  const std::string raw = NFileOpers::NativePath(name);
  std::string out;
  size_t i = 0;
  while (i <= raw.size()) {
    size_t j = raw.find('/', i);
    if (j == std::string::npos) j = raw.size();
    const std::string part = raw.substr(i, j - i);
    if (!part.empty() && part != "." && part != "..") {
      if (!out.empty()) out += '/';
      out += part;
    }
    i = j + 1;
  }
  return out;
}

}  // namespace

HZIP CreateZip(const CZavoString& target, int32_t /*reserved*/, int32_t kind) {
  if (kind != ZIP_FILENAME || target.IsEmpty()) return nullptr;
  // libzip writes only in zip_close: a folder that is missing or closed to us fails now.
  const std::string path = NFileOpers::NativePath(target);
  const size_t slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
  if (access(folder.c_str(), W_OK | X_OK) != 0 || NFileOpers::FolderExists(target)) return nullptr;
  int error = 0;
  zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  if (!archive) return nullptr;
  return new SZipArchive{archive};
}

bool ZipAdd(HZIP zip, const CZavoString& name, const char16_t* source, int32_t /*reserved*/,
            int32_t kind) {
  if (!zip || !zip->archive) return false;
  std::string entry = SafeEntryName(name);
  if (entry.empty()) return false;
  if (kind == ZIP_FOLDER) {
    return zip_dir_add(zip->archive, entry.c_str(), ZIP_FL_ENC_UTF_8) >= 0;
  }
  if (kind != ZIP_FILENAME || !source) return false;
  if (zip_name_locate(zip->archive, entry.c_str(), ZIP_FL_ENC_UTF_8) >= 0) return false;
  // Read the whole source now: libzip would otherwise read it only in CloseZip.
  std::ifstream in(NFileOpers::NativePath(CZavoString(source)), std::ios::binary);
  if (!in || !NFileOpers::FileExists(CZavoString(source))) return false;
  std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return false;
  void* copy = std::malloc(bytes.empty() ? 1 : bytes.size());
  if (!copy) return false;
  if (!bytes.empty()) std::memcpy(copy, bytes.data(), bytes.size());
  zip_source_t* src = zip_source_buffer(zip->archive, copy, bytes.size(), 1);
  if (!src) {
    std::free(copy);
    return false;
  }
  if (zip_file_add(zip->archive, entry.c_str(), src, ZIP_FL_ENC_UTF_8) < 0) {
    zip_source_free(src);
    return false;
  }
  return true;
}

bool CloseZip(HZIP zip) {
  if (!zip) return false;
  bool ok = true;
  if (zip->archive && zip_close(zip->archive) != 0) {
    zip_discard(zip->archive);
    ok = false;
  }
  delete zip;
  return ok;
}

}  // namespace NZipOpers
