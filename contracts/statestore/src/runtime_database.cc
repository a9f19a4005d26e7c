#include <oslayer/file_opers.h>
#include <statestore/runtime_database.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

namespace fs = std::filesystem;

namespace {

std::string FirstLine(const fs::path& path) {
  std::ifstream in(path);
  std::string line;
  if (in) std::getline(in, line);
  return line;
}

bool IsWiredWithCarrier(const fs::path& dir) {
  std::error_code ec;
  if (dir.filename() == "lo") return false;
  if (FirstLine(dir / "type") != "1") return false;  // ARPHRD_ETHER; loopback is 772
  if (fs::exists(dir / "wireless", ec) || fs::exists(dir / "phy80211", ec)) return false;
  if (!fs::exists(dir / "device", ec)) return false;  // bridges, veth, tunnels: no hardware
  return FirstLine(dir / "carrier") == "1";           // reading fails while the link is down
}

}  // namespace

CRuntimeDatabase& CRuntimeDatabase::GetInstance() {
  static CRuntimeDatabase instance;
  return instance;
}

CRuntimeDatabase::CRuntimeDatabase() = default;

void CRuntimeDatabase::SetNetClassRoot(const CZavoString& path) {
  std::lock_guard<std::mutex> guard(mMutex);
  mRoot = path;
}

CZavoString CRuntimeDatabase::GetNetClassRoot() const {
  std::lock_guard<std::mutex> guard(mMutex);
  return mRoot.IsEmpty() ? CZavoString(u"/sys/class/net") : mRoot;
}

bool CRuntimeDatabase::IsLanConnected() const {
  std::error_code ec;
  fs::directory_iterator it(NFileOpers::NativePath(GetNetClassRoot()), ec);
  if (ec) return false;
  for (; it != fs::directory_iterator(); it.increment(ec)) {
    if (ec) return false;
    if (IsWiredWithCarrier(it->path())) return true;
  }
  return false;
}
