// CMacAddr: the six bytes of a MAC address.
#pragma once

#include <oslayer/zavo_string.h>
#include <sharedbase/sharedbase_export.h>

#include <array>
#include <cstdint>

class SHAREDBASE_EXPORT CMacAddr {
 public:
  static constexpr int32_t LENGTH = 6;

  CMacAddr();  // 00-00-00-00-00-00
  explicit CMacAddr(const std::array<uint8_t, LENGTH>& bytes);
  // Copies LENGTH bytes from bytes.
  explicit CMacAddr(const uint8_t* bytes);

  const uint8_t* GetBytes() const { return mBytes.data(); }
  uint8_t operator[](int32_t index) const;
  void SetBytes(const uint8_t* bytes);
  bool IsZero() const;

  // Upper-case hex pairs joined by "-", as "00-11-22-33-44-C5".
  CZavoString ToString() const;
  // Reads the ToString form; ":" may stand for "-" and the hex digits may be lower case.
  static bool FromString(const CZavoString& text, CMacAddr& address);

  bool operator==(const CMacAddr& other) const { return mBytes == other.mBytes; }
  bool operator!=(const CMacAddr& other) const { return mBytes != other.mBytes; }

 private:
  std::array<uint8_t, LENGTH> mBytes{};
};
