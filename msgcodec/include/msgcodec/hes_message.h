// ZAVO_HES_CLASS: a message class written once, as its table.
//
//   namespace zavo::cl {
//   class MSGCODEC_EXPORT Request : public CZavoHesClass {
//     ZAVO_HES_CLASS(CZavoHesClass, "zavo.cl", "Request",
//                    (CZavoHesInt32, reqID),
//                    (Header, header))
//   };
//   class MSGCODEC_EXPORT ReqBehavior : public Request {
//     ZAVO_HES_CLASS(Request, "zavo.cl", "ReqBehavior",
//                    (CZavoHesArray<MeasureReq>, measureList),
//                    (CZavoHesArray<EventReq>, eventList))
//   };
//   }  // namespace zavo::cl
//
// The arguments are the direct base (CZavoHesClass or another message class), the wire
// namespace and class name, then one (member class, wire name) pair per member in wire order.
// From them follow:
//   - public data members named by their wire names, declared in wire order (req.reqID);
//     each starts with its class's default: numbers 0, strings and binaries null, nested
//     classes not null with their own defaults, lists empty;
//   - the static names mNamespace and mClassName (also what CZavoHesArray<T> needs of T),
//     one constant kHes_<name> per member, kHesMemberCount (declared members, bases
//     included), and the Namespace/ClassName overrides;
//   - HashMembers: the base's members first (a base written by hand keeps its own
//     HashMembers), then these, in this order; an object that is exactly of this class uses
//     the one table the class shares, built from its first object (docs/msgcodec.md);
//   - VisitHesMembers(f): calls f(const CZavoHesName&, Member&) for every declared member,
//     bases first, with the member's own class; a non-zero result stops the walk and is
//     returned (tests fill and compare whole messages with it); members of a base written by
//     hand are not visited.
// The macro ends in the public section, so the class can go on with its own operations.
#pragma once

#include <msgcodec/hes_class.h>
#include <msgcodec/hes_object.h>
#include <msgcodec/hes_scalar.h>

#include <type_traits>
#include <typeinfo>

// The scalar classes, whose SetNull refuses: reading an object need not ask them.
template <class T>
inline constexpr bool CZavoHesIsScalar =
    std::is_same_v<T, CZavoHesBool> || std::is_same_v<T, CZavoHesInt8> ||
    std::is_same_v<T, CZavoHesUInt8> || std::is_same_v<T, CZavoHesInt16> ||
    std::is_same_v<T, CZavoHesUInt16> || std::is_same_v<T, CZavoHesInt32> ||
    std::is_same_v<T, CZavoHesUInt32> || std::is_same_v<T, CZavoHesInt64> ||
    std::is_same_v<T, CZavoHesUInt64> || std::is_same_v<T, CZavoHesDouble> ||
    std::is_same_v<T, CZavoHesDate>;

template <class T>
inline constexpr CZavoHesMemberSlot::Kind CZavoHesSlotKind =
    std::is_same_v<T, CZavoHesBool> ? CZavoHesMemberSlot::kBool
    : std::is_same_v<T, CZavoHesInt64> || std::is_same_v<T, CZavoHesUInt64>
        ? CZavoHesMemberSlot::kInt64
    : std::is_same_v<T, CZavoHesDouble> ? CZavoHesMemberSlot::kDouble
    : std::is_same_v<T, CZavoHesDate>   ? CZavoHesMemberSlot::kDate
    : CZavoHesIsScalar<T>               ? CZavoHesMemberSlot::kNum32
                                        : CZavoHesMemberSlot::kOther;

// Calls macro(x) for each argument x (up to 342), with C++20 __VA_OPT__.
#define ZAVO_HES_PARENS ()
#define ZAVO_HES_EXPAND(...) \
  ZAVO_HES_EXPAND3(ZAVO_HES_EXPAND3(ZAVO_HES_EXPAND3(ZAVO_HES_EXPAND3(__VA_ARGS__))))
#define ZAVO_HES_EXPAND3(...) \
  ZAVO_HES_EXPAND2(ZAVO_HES_EXPAND2(ZAVO_HES_EXPAND2(ZAVO_HES_EXPAND2(__VA_ARGS__))))
#define ZAVO_HES_EXPAND2(...) \
  ZAVO_HES_EXPAND1(ZAVO_HES_EXPAND1(ZAVO_HES_EXPAND1(ZAVO_HES_EXPAND1(__VA_ARGS__))))
#define ZAVO_HES_EXPAND1(...) __VA_ARGS__
#define ZAVO_HES_FOR_EACH(macro, ...) \
  __VA_OPT__(ZAVO_HES_EXPAND(ZAVO_HES_FOR_EACH_STEP(macro, __VA_ARGS__)))
#define ZAVO_HES_FOR_EACH_STEP(macro, first, ...) \
  macro(first) __VA_OPT__(ZAVO_HES_FOR_EACH_AGAIN ZAVO_HES_PARENS(macro, __VA_ARGS__))
#define ZAVO_HES_FOR_EACH_AGAIN() ZAVO_HES_FOR_EACH_STEP

// One (member class, wire name) pair.
#define ZAVO_HES_DECLARE_MEMBER(pair) ZAVO_HES_DECLARE_MEMBER_I pair
#define ZAVO_HES_DECLARE_MEMBER_I(type, name) \
  type name;                                  \
  static constexpr CZavoHesName kHes_##name{#name, sizeof(#name) - 1};
#define ZAVO_HES_COUNT_MEMBER(pair) +1
#define ZAVO_HES_VISIT_MEMBER(pair) ZAVO_HES_VISIT_MEMBER_I pair
#define ZAVO_HES_VISIT_MEMBER_I(type, name) \
  if (int rc = visit(kHes_##name, name); rc != HES_OK) return rc;

#define ZAVO_HES_CLASS(Base, wireNamespace, wireClassName, ...)                          \
 public:                                                                                 \
  ZAVO_HES_FOR_EACH(ZAVO_HES_DECLARE_MEMBER, __VA_ARGS__)                                \
  static constexpr CZavoHesName mNamespace{wireNamespace, sizeof(wireNamespace) - 1};    \
  static constexpr CZavoHesName mClassName{wireClassName, sizeof(wireClassName) - 1};    \
  const CZavoHesName& Namespace() const override { return mNamespace; }                  \
  const CZavoHesName& ClassName() const override { return mClassName; }                  \
  static constexpr uint32_t kHesMemberCount =                                            \
      Base::kHesMemberCount ZAVO_HES_FOR_EACH(ZAVO_HES_COUNT_MEMBER, __VA_ARGS__);       \
  template <class ZavoHesVisitor>                                                        \
  int VisitHesMembers(ZavoHesVisitor&& visit) {                                          \
    if (int rc = Base::VisitHesMembers(visit); rc != HES_OK) return rc;                  \
    return VisitOwnHesMembers(visit);                                                    \
  }                                                                                      \
                                                                                         \
 protected:                                                                              \
  int HashMembers() override {                                                           \
    static_assert(std::is_base_of_v<CZavoHesClass, Base>,                                \
                  "a message class derives from a "                                      \
                  "message class");                                                      \
    using ZavoHesSelf = std::remove_cvref_t<decltype(*this)>;                            \
    if constexpr (kHesMemberCount > 0) {                                                 \
      /* A class derived from this one by hand builds its own table. */                  \
      if (typeid(*this) == typeid(ZavoHesSelf)) {                                        \
        static CZavoHesMemberSlot zavoHesSlots[kHesMemberCount];                         \
        static CZavoHesSharedMembers zavoHesShared{zavoHesSlots, kHesMemberCount};       \
        return ShareMembers(                                                             \
            zavoHesShared,                                                               \
            [](CZavoHesClass& self) {                                                    \
              return static_cast<ZavoHesSelf&>(self).ZavoHesOwnTable();                  \
            },                                                                           \
            [](CZavoHesClass& self, CZavoHesMemberSlot* slots, uint32_t count) {         \
              return static_cast<ZavoHesSelf&>(self).ZavoHesCheckSlots(slots, count);    \
            });                                                                          \
      }                                                                                  \
    }                                                                                    \
    return ZavoHesOwnTable();                                                            \
  }                                                                                      \
                                                                                         \
 private:                                                                                \
  template <class ZavoHesVisitor>                                                        \
  int VisitOwnHesMembers([[maybe_unused]] ZavoHesVisitor&& visit) {                      \
    ZAVO_HES_FOR_EACH(ZAVO_HES_VISIT_MEMBER, __VA_ARGS__)                                \
    return HES_OK;                                                                       \
  }                                                                                      \
  /* The table of this object alone: the base's first, then these members. */            \
  int ZavoHesOwnTable() {                                                                \
    if (int rc = ReserveMembers(kHesMemberCount); rc != HES_OK) return rc;               \
    if constexpr (!std::is_same_v<Base, CZavoHesClass>) {                                \
      if (int rc = Base::HashMembers(); rc != HES_OK) return rc;                         \
    }                                                                                    \
    return VisitOwnHesMembers([this](const CZavoHesName& name, CZavoHesObject& member) { \
      return InsertMember(name, member);                                                 \
    });                                                                                  \
  }                                                                                      \
  /* True when the slots are exactly the declared members; sets their nullable flags. */ \
  bool ZavoHesCheckSlots(CZavoHesMemberSlot* slots, uint32_t count) {                    \
    uint32_t i = 0;                                                                      \
    bool same = true;                                                                    \
    VisitHesMembers([&](const CZavoHesName& name, auto& member) {                        \
      using ZavoHesMember = std::remove_cvref_t<decltype(member)>;                       \
      if (i >= count || slots[i].mName != &name ||                                       \
          MemberAt(slots[i]) != static_cast<CZavoHesObject*>(&member)) {                 \
        same = false;                                                                    \
      } else {                                                                           \
        slots[i].mNullable = !CZavoHesIsScalar<ZavoHesMember>;                           \
        slots[i].mKind = CZavoHesSlotKind<ZavoHesMember>;                                \
      }                                                                                  \
      ++i;                                                                               \
      return HES_OK;                                                                     \
    });                                                                                  \
    return same && i == count;                                                           \
  }                                                                                      \
                                                                                         \
 public:
