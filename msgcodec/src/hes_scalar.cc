// Scalar wire forms: "T"/"F"; "I" + 4 bytes; "L", "D", "d" + 8 bytes; all big-endian.
#include <msgcodec/hes_scalar.h>

#include <bit>
#include <string_view>

#include "error_text.h"

namespace {

uint32_t ReadBig32(const char* bytes) {
  uint32_t value = 0;
  for (int i = 0; i < 4; ++i) value = (value << 8) | static_cast<unsigned char>(bytes[i]);
  return value;
}

uint64_t ReadBig64(const char* bytes) {
  uint64_t value = 0;
  for (int i = 0; i < 8; ++i) value = (value << 8) | static_cast<unsigned char>(bytes[i]);
  return value;
}

}  // namespace

int CZavoHesBool::Serialize(CZavoOutput& output) const { return output.Append(mValue ? 'T' : 'F'); }

int CZavoHesBool::Deserialize(CZavoInputParse& parse) {
  char marker = 0;
  if (parse.Input().ReadByte(marker) != HES_OK) {
    parse.AddToError("Failed to read boolean", ZAVO_ADD_LAST_CHARS);
    return HES_E_NO_DATA;
  }
  if (marker == 'T') {
    mValue = true;
  } else if (marker == 'F') {
    mValue = false;
  } else {
    parse.AddToError("Expected boolean ('T' or 'F') but got something else", ZAVO_ADD_LAST_CHARS);
    return HES_E_FORMAT;
  }
  return HES_OK;
}

int CZavoHesNum32::Serialize(CZavoOutput& output) const {
  return output.WriteMarked32('I', static_cast<uint32_t>(mValue));
}

int CZavoHesNum32::Deserialize(CZavoInputParse& parse) {
  const char* bytes;
  if (parse.Input().Extract(bytes, 5) != HES_OK) {
    parse.AddToError("Failed to read integer", ZAVO_ADD_LAST_CHARS);
    return HES_E_NO_DATA;
  }
  if (bytes[0] != 'I') {
    parse.AddToError("Expected integer ('I'), but got something else", ZAVO_ADD_LAST_CHARS);
    return HES_E_FORMAT;
  }
  mValue = static_cast<int32_t>(ReadBig32(bytes + 1));
  return HES_OK;
}

int CZavoHesNum64::Serialize64(char marker, CZavoOutput& output) const {
  return output.WriteMarked64(marker, mValue);
}

int CZavoHesNum64::Deserialize64(char marker, CZavoInputParse& parse) {
  const char* bytes;
  if (parse.Input().Extract(bytes, 9) != HES_OK) {
    parse.AddToError("Failed to read integer64 value", ZAVO_ADD_LAST_CHARS);
    return HES_E_NO_DATA;
  }
  if (bytes[0] != marker) {
    msgcodec_internal::AddError(parse, msgcodec_internal::kLastChars,
                                {"Expected 64 bit value (with '", std::string_view(&marker, 1),
                                 "') but got something else"});
    return HES_E_FORMAT;
  }
  mValue = ReadBig64(bytes + 1);
  return HES_OK;
}

int CZavoHesInt64::Serialize(CZavoOutput& output) const { return Serialize64('L', output); }

int CZavoHesInt64::Deserialize(CZavoInputParse& parse) { return Deserialize64('L', parse); }

CZavoHesDouble::CZavoHesDouble(double value) : CZavoHesNum64(0) {
  mValue = std::bit_cast<uint64_t>(value);
}

CZavoHesDouble& CZavoHesDouble::operator=(double value) {
  mValue = std::bit_cast<uint64_t>(value);
  return *this;
}

CZavoHesDouble::operator double() const { return std::bit_cast<double>(mValue); }

int CZavoHesDouble::Serialize(CZavoOutput& output) const { return Serialize64('D', output); }

int CZavoHesDouble::Deserialize(CZavoInputParse& parse) { return Deserialize64('D', parse); }

int CZavoHesDate::Serialize(CZavoOutput& output) const { return Serialize64('d', output); }

int CZavoHesDate::Deserialize(CZavoInputParse& parse) { return Deserialize64('d', parse); }
