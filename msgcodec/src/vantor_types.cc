// Typed value := "M" "t" length16 "VantorTypes." class-name "S" 0x00 0x05 "value" value "z"
// Exactly one member, "value"; a wrapper never skips members.
#include <msgcodec/VantorTypes/types.h>
#include <msgcodec/VantorTypes/value_class.h>

#include <cstring>
#include <new>

#include "error_text.h"

namespace VantorTypes {

namespace {

constexpr char kValueMember[] = {'S', 0x00, 0x05, 'v', 'a', 'l', 'u', 'e'};
constexpr uint32_t kValueMemberSize = sizeof(kValueMember);

uint32_t Byte(const char* bytes, int index) { return static_cast<unsigned char>(bytes[index]); }

}  // namespace

int CZavoValueClass::SerializeValue(const CZavoHesObject& value, CZavoOutput& output) const {
  int rc;
  if ((rc = StartSerialize(output)) != HES_OK) return rc;
  if ((rc = SerializeOneMember(kValueMember + 3, 5, value, output)) != HES_OK) return rc;
  return EndSerialize(output);
}

int CZavoValueClass::DeserializeValue(CZavoHesObject& value, CZavoInputParse& parse) {
  int rc = StartDeserialize(parse);
  if (rc != HES_OK) return rc;
  if (IsNull()) return HES_OK;
  CZavoInput& input = parse.Input();
  const char* bytes = nullptr;
  rc = input.Extract(bytes, kValueMemberSize) != HES_OK          ? HES_E_NO_DATA
       : std::memcmp(bytes, kValueMember, kValueMemberSize) != 0 ? HES_E_FORMAT
                                                                 : HES_OK;
  if (rc != HES_OK) {
    parse.AddToError("While parsing ", ZAVO_NO_LAST_CHARS);
    AppendClassNameToError(parse);
    parse.AddToError(", expected 'S' then the 'value' member name, but got something else",
                     ZAVO_ADD_LAST_CHARS);
    return rc;
  }
  if ((rc = DeserializeOneMember(kValueMember + 3, 5, value, parse)) != HES_OK) return rc;
  return EndDeserialize(parse);
}

int CT_IPAddr::GetInNetworkOrder() const {
  const char* bytes = nullptr;
  if (Data(bytes) < 4) return 0;
  return static_cast<int>(Byte(bytes, 0) | Byte(bytes, 1) << 8 | Byte(bytes, 2) << 16 |
                          Byte(bytes, 3) << 24);
}

int CT_IPAddr::GetInHostOrder() const {
  const char* bytes = nullptr;
  if (Data(bytes) < 4) return 0;
  return static_cast<int>(Byte(bytes, 0) << 24 | Byte(bytes, 1) << 16 | Byte(bytes, 2) << 8 |
                          Byte(bytes, 3));
}

int CT_MeasurementType::TurnBitsOn(unsigned int bits) {
  const char* bytes = nullptr;
  const uint32_t length = Data(bytes);
  if (length != 0 && length != 4) return HES_E_NOT_SUPPORTED;
  uint32_t mask = bits;
  if (length == 4) {
    mask |= Byte(bytes, 0) | Byte(bytes, 1) << 8 | Byte(bytes, 2) << 16 | Byte(bytes, 3) << 24;
  }
  const char updated[4] = {static_cast<char>(mask), static_cast<char>(mask >> 8),
                           static_cast<char>(mask >> 16), static_cast<char>(mask >> 24)};
  // Copy makes the new buffer before it lets the old one go, so bytes may point into it.
  return Copy(updated, 4);
}

}  // namespace VantorTypes
