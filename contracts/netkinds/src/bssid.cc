#include <corekit/throwable.h>
#include <netkinds/bssid.h>

#include <cstring>
#include <new>

namespace zvtypes {

SPtr<Bssid> Bssid::Create() {
  Bssid* bssid = new (std::nothrow) Bssid;
  if (!bssid) zvlang::OutOfMemoryError::ThrowInstance();
  return SPtr<Bssid>(bssid);
}

Bssid::Bssid() = default;
Bssid::~Bssid() = default;

int Bssid::AddRef() const { return ++mRefCount; }

int Bssid::Release() const {
  const int count = --mRefCount;
  if (count == 0) delete this;
  return count;
}

void Bssid::Zero() { std::memset(mBytes, 0, LENGTH); }

void Bssid::Set(const char* bytes, int length) {
  Zero();
  if (!bytes || length <= 0) return;
  std::memcpy(mBytes, bytes, static_cast<size_t>(length < LENGTH ? length : LENGTH));
}

zvlang::CZvString Bssid::toString() const {
  static const char16_t kHex[] = u"0123456789ABCDEF";
  char16_t text[3 * LENGTH];
  for (int i = 0; i < LENGTH; ++i) {
    const auto b = static_cast<unsigned char>(mBytes[i]);
    text[3 * i] = kHex[b >> 4];
    text[3 * i + 1] = kHex[b & 0xF];
    text[3 * i + 2] = u'-';
  }
  return zvlang::CZvString(text, 3 * LENGTH - 1);
}

Bssid* Bssid::Copy(const SPtr<Bssid>& other) {
  if (other && other.Get() != this) std::memcpy(mBytes, other->mBytes, LENGTH);
  return this;
}

}  // namespace zvtypes
