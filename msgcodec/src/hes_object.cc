#include <msgcodec/hes_object.h>

#include <cstring>

int CZavoHesName::Compare(const CZavoHesName& other) const {
  const uint32_t shorter = mLength < other.mLength ? mLength : other.mLength;
  for (uint32_t i = 0; i < shorter; ++i) {
    const signed char a = static_cast<signed char>(mText[i]);
    const signed char b = static_cast<signed char>(other.mText[i]);
    if (a != b) return a - b;
  }
  return static_cast<int>(static_cast<int64_t>(mLength) - static_cast<int64_t>(other.mLength));
}

CZavoHesObject::~CZavoHesObject() = default;

int CZavoHesObject::Serialize(CZavoOutput&) const { return HES_E_NOT_SUPPORTED; }

int CZavoHesObject::Deserialize(CZavoInputParse&) { return HES_E_NOT_SUPPORTED; }

int CZavoHesObject::SetNull(bool) { return HES_E_NOT_SUPPORTED; }
