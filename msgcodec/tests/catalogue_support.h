// Helpers for the catalogue tests: wire bytes written by hand, and whole messages filled or
// inspected member by member through VisitHesMembers.
#pragma once

#include <msgcodec/msgcodec.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace catalogue_test {

// ---- wire bytes, composed from the message tables ----

inline std::string Big(uint64_t value, int bytes) {
  std::string out;
  for (int i = bytes - 1; i >= 0; --i) out += static_cast<char>(value >> (8 * i));
  return out;
}
// "M" "t" length type-name
inline std::string Obj(std::string_view type) {
  return "Mt" + Big(type.size(), 2) + std::string(type);
}
// "S" length member-name
inline std::string Mem(std::string_view name) {
  return "S" + Big(name.size(), 2) + std::string(name);
}
inline std::string I(int32_t value) { return "I" + Big(static_cast<uint32_t>(value), 4); }
inline std::string L(int64_t value) { return "L" + Big(static_cast<uint64_t>(value), 8); }
// "V" "t" length "[item-type" "l" count; the items and "z" follow.
inline std::string List(std::string_view itemType, uint32_t count) {
  return "Vt" + Big(itemType.size() + 1, 2) + "[" + std::string(itemType) + "l" + Big(count, 4);
}
inline std::string EmptyList(std::string_view itemType) { return List(itemType, 0) + "z"; }
// A typed value whose value is a Hessian int.
inline std::string TypedInt(std::string_view className, int32_t value) {
  return Obj("VantorTypes." + std::string(className)) + Mem("value") + I(value) + "z";
}

// ---- writing and reading ----

struct Written {
  int rc;
  std::string bytes;
};

inline Written Write(const CZavoHesObject& object) {
  CZavoOutput output(256);
  const int rc = object.Serialize(output);
  return {rc,
          output.Data() == nullptr ? std::string() : std::string(output.Data(), output.DataSize())};
}

struct Read {
  int rc;
  std::string error;
  uint32_t consumed;
};

inline Read ReadInto(CZavoHesObject& object, const std::string& bytes) {
  CZavoInput input(bytes.data(), static_cast<uint32_t>(bytes.size()));
  CZavoInputParse parse(input);
  const int rc = object.Deserialize(parse);
  return {rc, parse.GetError() == nullptr ? std::string() : std::string(parse.GetError()),
          input.GetNumExtracted()};
}

// ---- member kinds ----

template <class M>
struct IsList : std::false_type {};
template <class T>
struct IsList<CZavoHesArray<T>> : std::true_type {
  using Item = T;
};

template <class M>
constexpr bool kIsTypedValue = std::is_base_of_v<VantorTypes::CZavoValueClass, M>;
template <class M>
constexpr bool kIsNullable =
    std::is_same_v<M, CZavoHesString> || std::is_same_v<M, CZavoHesBinary> ||
    std::is_base_of_v<CZavoHesClass, M> || IsList<M>::value;

// The number a scalar member holds.
int8_t RawOf(const CZavoHesInt8&);
uint8_t RawOf(const CZavoHesUInt8&);
int16_t RawOf(const CZavoHesInt16&);
uint16_t RawOf(const CZavoHesUInt16&);
int32_t RawOf(const CZavoHesInt32&);
uint32_t RawOf(const CZavoHesUInt32&);
uint64_t RawOf(const CZavoHesUInt64&);
int64_t RawOf(const CZavoHesInt64&);
double RawOf(const CZavoHesDouble&);
bool RawOf(const CZavoHesBool&);

// Fills every member with a value of its own (negative for signed numbers, text beyond ASCII,
// two items in every list), nested messages included. seed makes each value differ.
template <class M>
void Fill(M& member, uint64_t& seed) {
  ++seed;
  const uint64_t pattern = 0x8123456789ABCDEFull * seed;
  if constexpr (std::is_same_v<M, CZavoHesString>) {
    const std::u16string text = u"caf\u00e9 \u20ac " + std::u16string(seed % 7, u'x');
    member.Copy(text.data(), static_cast<uint32_t>(text.size()));
  } else if constexpr (std::is_same_v<M, CZavoHesBinary>) {
    const std::string bytes = Big(pattern, 8).substr(0, 1 + seed % 8);
    member.Copy(bytes.data(), static_cast<uint32_t>(bytes.size()));
  } else if constexpr (kIsTypedValue<M>) {
    if constexpr (requires { typename M::RawType; }) {
      member = static_cast<typename M::RawType>(pattern);
    } else {
      const std::string bytes = Big(pattern, 8).substr(0, 4 + seed % 3);
      member.Copy(bytes.data(), static_cast<uint32_t>(bytes.size()));
    }
  } else if constexpr (IsList<M>::value) {
    for (int i = 0; i < 2; ++i) {
      auto* item = new typename IsList<M>::Item;
      Fill(*item, seed);
      if (member.Add(*item) != HES_OK) delete item;
    }
  } else if constexpr (std::is_base_of_v<CZavoHesClass, M>) {
    member.VisitHesMembers([&seed](const CZavoHesName&, auto& inner) {
      Fill(inner, seed);
      return HES_OK;
    });
  } else if constexpr (std::is_same_v<M, CZavoHesBool>) {
    member = true;
  } else if constexpr (std::is_same_v<M, CZavoHesDouble>) {
    member = -1.5 * static_cast<double>(seed);
  } else {
    member = static_cast<decltype(RawOf(member))>(pattern);
  }
}

// What one member of a message looks like: its wire name, whether it can be null, whether it
// is null, and its own written form.
struct MemberState {
  std::string name;
  bool nullable;
  bool isNull;
  std::string bytes;
};

template <class Message>
std::vector<MemberState> MembersOf(Message& message) {
  std::vector<MemberState> states;
  message.VisitHesMembers([&states](const CZavoHesName& name, auto& member) {
    using M = std::remove_cvref_t<decltype(member)>;
    states.push_back({std::string(name.Text(), name.Length()), kIsNullable<M>, member.IsNull(),
                      Write(member).bytes});
    return HES_OK;
  });
  return states;
}

}  // namespace catalogue_test
