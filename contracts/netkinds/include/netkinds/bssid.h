// Bssid: the 6-byte MAC address of an access point.
#pragma once

#include <corekit/sptr.h>
#include <corekit/string.h>
#include <corekit/unknown.h>
#include <netkinds/netkinds_export.h>

namespace zvtypes {

class NETKINDS_EXPORT Bssid : public zvlang::ZvUnknownItf {
 public:
  static constexpr int LENGTH = 6;

  // A new Bssid of six zero bytes.
  static SPtr<Bssid> Create();
  Bssid();

  int AddRef() const override;
  int Release() const override;
  virtual ~Bssid();

  void Zero();
  // Copies the first length bytes (at most 6); bytes not given are zero.
  void Set(const char* bytes, int length);
  const char* Value() const { return mBytes; }
  int Length() const { return LENGTH; }
  // Upper-case hex pairs joined by "-", as "00-11-22-33-44-C5".
  zvlang::CZvString toString() const;
  // Takes the other's value (a null other leaves this unchanged); returns this object.
  Bssid* Copy(const SPtr<Bssid>& other);

 private:
  mutable int mRefCount = 0;
  char mBytes[LENGTH] = {};
};

}  // namespace zvtypes
