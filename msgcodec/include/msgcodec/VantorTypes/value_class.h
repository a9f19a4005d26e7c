// The typed values of the engine's protocol: one-member objects of the namespace "VantorTypes"
// whose type says what the value is and whose only member "value" carries it.
//
//   VantorTypes::CT_Uint16 port(80);   // M t "VantorTypes.CT_Uint16" S "value" I 80 z
//   port = 8080;
//   unsigned short p = port;
//
// A wrapper has no member table: it writes and reads its one member itself, always in full
// (its null flag is not consulted when writing), and refuses any member but "value".
#pragma once

#include <msgcodec/hes_class.h>
#include <msgcodec/hes_scalar.h>
#include <msgcodec/hes_string.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace VantorTypes {

class MSGCODEC_EXPORT CZavoValueClass : public CZavoHesClass {
 protected:
  CZavoValueClass() = default;

  // "M" "t" type-name "S" 0x00 0x05 "value", the value's own form, "z".
  int SerializeValue(const CZavoHesObject& value, CZavoOutput& output) const;
  // Reads that same form into value; after "N" the wrapper is null and nothing more is read.
  int DeserializeValue(CZavoHesObject& value, CZavoInputParse& parse);
};

// One value kind: the wrapper of one value class.
template <class Value>
class CZavoValueKind : public CZavoValueClass {
 public:
  using ValueType = Value;

  int Serialize(CZavoOutput& output) const override { return SerializeValue(value, output); }
  int Deserialize(CZavoInputParse& parse) override { return DeserializeValue(value, parse); }

  Value value;

 protected:
  CZavoValueKind() = default;
};

// The numeric kinds convert to and from the number they hold (Raw).
template <class Value, class Raw>
class CZavoNumberValueKind : public CZavoValueKind<Value> {
 public:
  using RawType = Raw;

  operator Raw() const { return static_cast<Raw>(this->value); }  // NOLINT: a value class

 protected:
  CZavoNumberValueKind() = default;
  explicit CZavoNumberValueKind(Raw initial) { this->value = initial; }
};

using CZavoInt8ValueClass = CZavoNumberValueKind<CZavoHesInt8, char>;
using CZavoInt16ValueClass = CZavoNumberValueKind<CZavoHesInt16, short>;
using CZavoUInt16ValueClass = CZavoNumberValueKind<CZavoHesUInt16, unsigned short>;
using CZavoInt32ValueClass = CZavoNumberValueKind<CZavoHesInt32, int>;
using CZavoUInt32ValueClass = CZavoNumberValueKind<CZavoHesUInt32, unsigned int>;
using CZavoInt64ValueClass = CZavoNumberValueKind<CZavoHesInt64, long long>;

// Bytes; null until filled.
class CZavoBinaryValueClass : public CZavoValueKind<CZavoHesBinary> {
 public:
  uint32_t Data(const char*& bytes) const { return value.Data(bytes); }
  // An owned copy; HES_E_NO_MEMORY keeps the old bytes.
  int Copy(const char* bytes, uint32_t length) { return value.Copy(bytes, length); }
  // Borrowed: bytes must outlive the use.
  void SetExternal(const char* bytes, uint32_t length) { value.SetExternal(bytes, length); }

 protected:
  CZavoBinaryValueClass() = default;
};

// A class name given as a template argument ("CT_Uint16").
template <std::size_t N>
struct CZavoTypeName {
  constexpr CZavoTypeName(const char (&text)[N]) { std::copy_n(text, N, mText); }  // NOLINT
  char mText[N];
};

// A named type: a value kind under its own wire name "VantorTypes." Name.
template <class Kind, CZavoTypeName Name>
class CZavoNamedValue : public Kind {
 public:
  static constexpr CZavoHesName mNamespace{"VantorTypes", 11};
  static constexpr CZavoHesName mClassName{Name.mText, sizeof(Name.mText) - 1};

  CZavoNamedValue() = default;

  const CZavoHesName& Namespace() const override { return mNamespace; }
  const CZavoHesName& ClassName() const override { return mClassName; }
};

// A named numeric type, built and assigned from its number (stored as the value class of its
// kind stores it: sign- or zero-extended to the wire's 32 or 64 bits).
template <class Kind, CZavoTypeName Name>
class CZavoNamedNumber : public CZavoNamedValue<Kind, Name> {
 public:
  using Raw = typename Kind::RawType;

  CZavoNamedNumber() = default;
  explicit CZavoNamedNumber(Raw initial) { this->value = initial; }
  CZavoNamedNumber& operator=(Raw number) {
    this->value = number;
    return *this;
  }
};

}  // namespace VantorTypes
