// CRuntimeDatabase: what the client knows of the machine's network at run time.
#pragma once

#include <oslayer/zavo_string.h>
#include <statestore/statestore_export.h>

#include <mutex>

class STATESTORE_EXPORT CRuntimeDatabase {
 public:
  static CRuntimeDatabase& GetInstance();

  // True while a wired network interface has carrier: an entry of the interface folder that
  // is an Ethernet device ("type" 1) backed by hardware ("device"), not wireless ("wireless"
  // or "phy80211"), not loopback, whose "carrier" reads 1.
  bool IsLanConnected() const;

  // The folder of interfaces, "/sys/class/net" unless a test points it at a fake tree; an
  // empty path restores the real one.
  void SetNetClassRoot(const CZavoString& path);
  CZavoString GetNetClassRoot() const;

  CRuntimeDatabase(const CRuntimeDatabase&) = delete;
  CRuntimeDatabase& operator=(const CRuntimeDatabase&) = delete;

 private:
  CRuntimeDatabase();
  mutable std::mutex mMutex;
  CZavoString mRoot;
};
