#include <oslayer/settings_store.h>
#include <toolbox/property.h>

#include <cstdlib>
#include <string>

CProperty::CProperty() = default;
CProperty::~CProperty() = default;

void CProperty::Assign(bool exists, const CZavoString& text) {
  mExists = exists;
  mText = text;
}

uint32_t CProperty::ToUInt32() const {
  if (!mExists) return 0;
  std::string text = mText.ToUtf8();
  const size_t first = text.find_first_not_of(" \t");
  const size_t last = text.find_last_not_of(" \t\r\n");
  if (first == std::string::npos) return 0;
  text = text.substr(first, last - first + 1);
  if (text[0] == '-' || text[0] == '+') return 0;
  char* end = nullptr;
  // Leading zeros are decimal, not octal; hex needs its "0x".
  const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  const unsigned long long v = std::strtoull(text.c_str(), &end, hex ? 16 : 10);
  if (*end != '\0' || v > UINT32_MAX) return 0;
  return static_cast<uint32_t>(v);
}

CMachineProperty::CMachineProperty(const CZavoString& name, const CZavoString& path) {
  CZavoString value;
  const bool found = NSettingsStore::ReadValue(CZavoString(u"HKLM\\") + path, name, value);
  Assign(found, value);
}

CMachineProperty::~CMachineProperty() = default;
