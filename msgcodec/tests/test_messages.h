// Message classes for the codec's tests, declared the way the catalogue declares its own.
// They travel under the wire namespace "zavo.cl"; the C++ namespace keeps them apart from the
// catalogue's classes.
#pragma once

#include <msgcodec/msgcodec.h>

#include <string>
#include <string_view>

namespace msgtest {

// Declarations read as tables: keep their layout.
// clang-format off
class GeneralReq : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "zavo.cl", "GeneralReq",
                 (CZavoHesInt8, isLan))
};

class Header : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "zavo.cl", "Header",
                 (CZavoHesInt32, cnc),
                 (CZavoHesInt32, cnu),
                 (CZavoHesInt64, cnr),
                 (CZavoHesInt32, session),
                 (CZavoHesInt32, os))
};

class Request : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "zavo.cl", "Request",
                 (CZavoHesInt32, reqID),
                 (Header, header))
};

// One member of every value kind.
class Item : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "zavo.cl", "Item",
                 (CZavoHesBool, flag),
                 (CZavoHesInt8, i8),
                 (CZavoHesUInt8, u8),
                 (CZavoHesInt16, i16),
                 (CZavoHesUInt16, u16),
                 (CZavoHesInt32, i32),
                 (CZavoHesUInt32, u32),
                 (CZavoHesInt64, i64),
                 (CZavoHesUInt64, u64),
                 (CZavoHesDouble, dbl),
                 (CZavoHesDate, date),
                 (CZavoHesString, text),
                 (CZavoHesBinary, blob))
};

// A derived class with a list, a nested object and a nullable string.
class Report : public Request {
  ZAVO_HES_CLASS(Request, "zavo.cl", "Report",
                 (CZavoHesArray<Item>, items),
                 (GeneralReq, general),
                 (CZavoHesString, note))

 public:
  // A class goes on with its own operations after the declaration.
  int ItemCount() const { return items.Count(); }
};

// Written the plain way: static names, HashMembers by hand, an empty namespace.
class Plain : public CZavoHesClass {
 public:
  static constexpr CZavoHesName mNamespace{"", 0};
  static constexpr CZavoHesName mClassName{"Plain", 5};
  const CZavoHesName& Namespace() const override { return mNamespace; }
  const CZavoHesName& ClassName() const override { return mClassName; }

  CZavoHesInt32 count;
  CZavoHesString label;

 protected:
  int HashMembers() override {
    static constexpr CZavoHesName kCount{"count", 5};
    static constexpr CZavoHesName kLabel{"label", 5};
    int rc = InsertMember(kCount, count);
    if (rc != HES_OK) return rc;
    return InsertMember(kLabel, label);
  }
};

// A declared class over a plain base: the base's hand-written table comes first.
class PlainDerived : public Plain {
  ZAVO_HES_CLASS(Plain, "zavo.cl", "PlainDerived",
                 (CZavoHesBool, extra))
};

// A class that never builds a table.
class NoTable : public CZavoHesClass {
 public:
  static constexpr CZavoHesName mNamespace{"zavo.cl", 7};
  static constexpr CZavoHesName mClassName{"NoTable", 7};
  const CZavoHesName& Namespace() const override { return mNamespace; }
  const CZavoHesName& ClassName() const override { return mClassName; }
};

// A declared class without members: its table stays empty.
class Empty : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "zavo.cl", "Empty")
};

// clang-format on

// Byte strings in tests: "M" "t" "\x00\x12" ... read as written.
inline std::string Bytes(std::string_view text) { return std::string(text); }

inline std::string Written(const CZavoOutput& out) {
  return std::string(out.Data() == nullptr ? "" : out.Data(), out.DataSize());
}

inline std::string ErrorText(const CZavoInputParse& parse) {
  return parse.GetError() == nullptr ? std::string() : std::string(parse.GetError());
}

// Serialises value into a fresh writer and returns the bytes ("" plus rc on failure).
inline std::string Write(const CZavoHesObject& value, int* rc = nullptr) {
  CZavoOutput out(64);
  const int result = value.Serialize(out);
  if (rc != nullptr) *rc = result;
  return Written(out);
}

// 16-bit big-endian length as two bytes.
inline std::string Len16(uint32_t n) {
  return std::string{static_cast<char>(n >> 8), static_cast<char>(n & 0xFF)};
}

// A wire type name with its "t" and length: "t" len name.
inline std::string TypeName(std::string_view name) {
  return "t" + Len16(static_cast<uint32_t>(name.size())) + std::string(name);
}

// "S" len name: a member name on the wire.
inline std::string MemberName(std::string_view name) {
  return "S" + Len16(static_cast<uint32_t>(name.size())) + std::string(name);
}

// What one read did: its code, the error text, and how many bytes it consumed.
struct Outcome {
  int rc;
  std::string error;
  uint32_t consumed;
};

// Reads bytes into value through a fresh input.
inline Outcome ReadInto(CZavoHesObject& value, const std::string& bytes) {
  CZavoInput input(bytes.data(), static_cast<uint32_t>(bytes.size()));
  CZavoInputParse parse(input);
  const int rc = value.Deserialize(parse);
  return {rc, ErrorText(parse), input.GetNumExtracted()};
}

}  // namespace msgtest
