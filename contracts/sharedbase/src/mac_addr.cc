#include <sharedbase/mac_addr.h>

#include <cstring>

CMacAddr::CMacAddr() = default;
CMacAddr::CMacAddr(const std::array<uint8_t, LENGTH>& bytes) : mBytes(bytes) {}
CMacAddr::CMacAddr(const uint8_t* bytes) { SetBytes(bytes); }

uint8_t CMacAddr::operator[](int32_t index) const {
  return index >= 0 && index < LENGTH ? mBytes[static_cast<size_t>(index)] : 0;
}

void CMacAddr::SetBytes(const uint8_t* bytes) {
  if (bytes) {
    std::memcpy(mBytes.data(), bytes, LENGTH);
  } else {
    mBytes.fill(0);
  }
}

bool CMacAddr::IsZero() const {
  for (uint8_t b : mBytes) {
    if (b != 0) return false;
  }
  return true;
}

CZavoString CMacAddr::ToString() const {
  static const char16_t kHex[] = u"0123456789ABCDEF";
  CZavoString text;
  for (int32_t i = 0; i < LENGTH; ++i) {
    if (i > 0) text += u'-';
    text += kHex[mBytes[static_cast<size_t>(i)] >> 4];
    text += kHex[mBytes[static_cast<size_t>(i)] & 0xF];
  }
  return text;
}

bool CMacAddr::FromString(const CZavoString& text, CMacAddr& address) {
  if (text.Length() != 3 * LENGTH - 1) return false;
  auto hex = [](char16_t c) -> int {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    return -1;
  };
  std::array<uint8_t, LENGTH> bytes{};
  for (int32_t i = 0; i < LENGTH; ++i) {
    const int hi = hex(text[3 * i]);
    const int lo = hex(text[3 * i + 1]);
    if (hi < 0 || lo < 0) return false;
    if (i + 1 < LENGTH && text[3 * i + 2] != u'-' && text[3 * i + 2] != u':') return false;
    bytes[static_cast<size_t>(i)] = static_cast<uint8_t>(hi * 16 + lo);
  }
  address = CMacAddr(bytes);
  return true;
}
