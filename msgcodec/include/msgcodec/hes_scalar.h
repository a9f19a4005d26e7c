// The scalar value classes: members of messages that know their own Hessian form.
//
//   CZavoHesInt16 rssi;       // 0
//   rssi = -70;               // sign-extended into the 32-bit field, sent as "I" 0xFF...0xBA
//   short value = rssi;
//
// Scalars cannot be null: SetNull refuses, and a "N" sent for a scalar is a format error.
#pragma once

#include <msgcodec/hes_object.h>

#include <cstdint>

class CZavoHesClass;

class MSGCODEC_EXPORT CZavoHesBool : public CZavoHesObject {
 public:
  CZavoHesBool(bool value = false) : mValue(value) {}  // NOLINT: a value class
  CZavoHesBool& operator=(bool value) {
    mValue = value;
    return *this;
  }
  operator bool() const { return mValue; }

  // "T" or "F".
  int Serialize(CZavoOutput& output) const override;
  int Deserialize(CZavoInputParse& parse) override;

 private:
  friend class CZavoHesClass;  // writes and reads declared members in place
  bool mValue;
};

// "I" + 4 bytes for all six 32-bit flavours; the flavours differ only in how a value enters
// and leaves the field.
class MSGCODEC_EXPORT CZavoHesNum32 : public CZavoHesObject {
 public:
  int Serialize(CZavoOutput& output) const override;
  // Replaces the whole field; no range check for the 8- and 16-bit flavours.
  int Deserialize(CZavoInputParse& parse) override;

 protected:
  friend class CZavoHesClass;
  explicit CZavoHesNum32(int32_t value) : mValue(value) {}
  int32_t mValue;
};

class MSGCODEC_EXPORT CZavoHesInt8 : public CZavoHesNum32 {
 public:
  CZavoHesInt8(int8_t value = 0) : CZavoHesNum32(value) {}  // NOLINT: a value class
  CZavoHesInt8& operator=(int8_t value) {
    mValue = value;
    return *this;
  }
  operator int8_t() const { return static_cast<int8_t>(mValue); }
};

class MSGCODEC_EXPORT CZavoHesUInt8 : public CZavoHesNum32 {
 public:
  CZavoHesUInt8(uint8_t value = 0) : CZavoHesNum32(value) {}  // NOLINT: a value class
  CZavoHesUInt8& operator=(uint8_t value) {
    mValue = value;
    return *this;
  }
  operator uint8_t() const { return static_cast<uint8_t>(mValue); }
};

class MSGCODEC_EXPORT CZavoHesInt16 : public CZavoHesNum32 {
 public:
  CZavoHesInt16(int16_t value = 0) : CZavoHesNum32(value) {}  // NOLINT: a value class
  CZavoHesInt16& operator=(int16_t value) {
    mValue = value;
    return *this;
  }
  operator int16_t() const { return static_cast<int16_t>(mValue); }
};

class MSGCODEC_EXPORT CZavoHesUInt16 : public CZavoHesNum32 {
 public:
  CZavoHesUInt16(uint16_t value = 0) : CZavoHesNum32(value) {}  // NOLINT: a value class
  CZavoHesUInt16& operator=(uint16_t value) {
    mValue = value;
    return *this;
  }
  operator uint16_t() const { return static_cast<uint16_t>(mValue); }
};

class MSGCODEC_EXPORT CZavoHesInt32 : public CZavoHesNum32 {
 public:
  CZavoHesInt32(int32_t value = 0) : CZavoHesNum32(value) {}  // NOLINT: a value class
  CZavoHesInt32& operator=(int32_t value) {
    mValue = value;
    return *this;
  }
  operator int32_t() const { return mValue; }
};

// Bit for bit: 2^31 and above travel as negative Hessian ints.
class MSGCODEC_EXPORT CZavoHesUInt32 : public CZavoHesNum32 {
 public:
  CZavoHesUInt32(uint32_t value = 0)  // NOLINT: a value class
      : CZavoHesNum32(static_cast<int32_t>(value)) {}
  CZavoHesUInt32& operator=(uint32_t value) {
    mValue = static_cast<int32_t>(value);
    return *this;
  }
  operator uint32_t() const { return static_cast<uint32_t>(mValue); }
};

// The 64-bit family; the base itself writes and reads nothing.
class MSGCODEC_EXPORT CZavoHesNum64 : public CZavoHesObject {
 protected:
  friend class CZavoHesClass;
  explicit CZavoHesNum64(int64_t value) : mValue(static_cast<uint64_t>(value)) {}
  // marker + the 8 bytes of the field, most significant first.
  int Serialize64(char marker, CZavoOutput& output) const;
  int Deserialize64(char marker, CZavoInputParse& parse);
  uint64_t mValue;
};

// "L" + 8 bytes.
class MSGCODEC_EXPORT CZavoHesInt64 : public CZavoHesNum64 {
 public:
  CZavoHesInt64(int64_t value = 0) : CZavoHesNum64(value) {}  // NOLINT: a value class
  CZavoHesInt64& operator=(int64_t value) {
    mValue = static_cast<uint64_t>(value);
    return *this;
  }
  operator int64_t() const { return static_cast<int64_t>(mValue); }

  int Serialize(CZavoOutput& output) const override;
  int Deserialize(CZavoInputParse& parse) override;
};

// The same wire form as CZavoHesInt64.
class MSGCODEC_EXPORT CZavoHesUInt64 : public CZavoHesInt64 {
 public:
  CZavoHesUInt64(uint64_t value = 0)  // NOLINT: a value class
      : CZavoHesInt64(static_cast<int64_t>(value)) {}
  CZavoHesUInt64& operator=(uint64_t value) {
    mValue = value;
    return *this;
  }
  operator uint64_t() const { return mValue; }
};

// "D" + the 8 bytes of the IEEE-754 pattern.
class MSGCODEC_EXPORT CZavoHesDouble : public CZavoHesNum64 {
 public:
  CZavoHesDouble(double value = 0.0);  // NOLINT: a value class
  CZavoHesDouble& operator=(double value);
  operator double() const;

  int Serialize(CZavoOutput& output) const override;
  int Deserialize(CZavoInputParse& parse) override;
};

// "d" + 8 bytes: milliseconds since 1970-01-01 UTC on the wire.
class MSGCODEC_EXPORT CZavoHesDate : public CZavoHesNum64 {
 public:
  CZavoHesDate(uint64_t value = 0)  // NOLINT: a value class
      : CZavoHesNum64(static_cast<int64_t>(value)) {}
  CZavoHesDate& operator=(uint64_t value) {
    mValue = value;
    return *this;
  }
  operator uint64_t() const { return mValue; }

  int Serialize(CZavoOutput& output) const override;
  int Deserialize(CZavoInputParse& parse) override;
};
