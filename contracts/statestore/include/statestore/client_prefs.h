// CClientPrefs: the client's preferences kept in the user settings.
#pragma once

#include <oslayer/zavo_string.h>
#include <statestore/statestore_export.h>

#include <mutex>

class STATESTORE_EXPORT CClientPrefs {
 public:
  // Where the last started version is recorded: value "LastVersion" of this key.
  static constexpr const char16_t* SETTINGS_KEY = u"HKCU\\Software\\Vantor\\Zavo\\Client";

  // The preferences of this build of the client, version "major.minor.patch.build".
  static CClientPrefs& GetInstance();
  explicit CClientPrefs(const CZavoString& version);

  // True on the first start after the client was updated: the version recorded by an earlier
  // start differs from this one. A first start ever (nothing recorded) is no update. The first
  // call compares and records this version; every later call on this object gives the same
  // answer, so the whole process sees one start.
  bool AfterUpdate();
  const CZavoString& GetVersion() const { return mVersion; }

 private:
  CZavoString mVersion;
  std::once_flag mChecked;
  bool mAfterUpdate = false;
};
