#include <oslayer/settings_store.h>
#include <statestore/client_prefs.h>

CClientPrefs& CClientPrefs::GetInstance() {
  static CClientPrefs instance(CZavoString(ZAVO_CLIENT_VERSION));
  return instance;
}

CClientPrefs::CClientPrefs(const CZavoString& version) : mVersion(version) {}

bool CClientPrefs::AfterUpdate() {
  std::call_once(mChecked, [this] {
    CZavoString last;
    const bool recorded = NSettingsStore::ReadValue(SETTINGS_KEY, u"LastVersion", last);
    mAfterUpdate = recorded && last != mVersion;
    if (!recorded || last != mVersion) {
      NSettingsStore::WriteValue(SETTINGS_KEY, u"LastVersion", mVersion);
    }
  });
  return mAfterUpdate;
}
