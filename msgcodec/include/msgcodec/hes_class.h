// CZavoHesClass: the base of every message class, written and read as a Hessian 1.0 object
// ("M" "t" type-name, named members, "z") from a table of named members that each concrete
// class builds. Declare message classes with ZAVO_HES_CLASS (msgcodec/hes_message.h); a class
// may also build its table by hand:
//
//   class Plain : public CZavoHesClass {
//    public:
//     static constexpr CZavoHesName mNamespace{"zavo.cl", 7};
//     static constexpr CZavoHesName mClassName{"Plain", 5};
//     const CZavoHesName& Namespace() const override { return mNamespace; }
//     const CZavoHesName& ClassName() const override { return mClassName; }
//     CZavoHesInt32 count;
//    protected:
//     int HashMembers() override {
//       static constexpr CZavoHesName kCount{"count", 5};
//       return InsertMember(kCount, count);
//     }
//   };
#pragma once

#include <msgcodec/hes_object.h>
#include <msgcodec/hes_scalar.h>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <mutex>

// One entry of a class's member table. The member is a part of the class object; the entry
// never owns it.
class MSGCODEC_EXPORT CZavoMemberData {
 public:
  CZavoMemberData(const CZavoHesName* name, CZavoHesObject* member)
      : mName(name), mMember(member) {}

  const CZavoHesName* mName;
  CZavoHesObject* mMember;
  CZavoMemberData* mNext = nullptr;
};

// One slot of a member table shared by every object of a declared class: the wire name, where
// the member sits (from the CZavoHesClass part of the object), and whether reading an object
// makes it null first (false for the scalar classes, which refuse).
struct CZavoHesMemberSlot {
  // What the member is when it is exactly one of the scalar classes: its bytes are then
  // written and read in place (the same bytes, and the same failures, as its own Serialize and
  // Deserialize).
  enum Kind : uint8_t { kOther, kBool, kNum32, kInt64, kDouble, kDate };

  const CZavoHesName* mName;
  std::ptrdiff_t mOffset;
  bool mNullable;
  Kind mKind;
  // "S" length name, when it fits; 0 otherwise.
  uint8_t mHeadLength;
  char mHead[32];
};

// The member table of one declared class (ZAVO_HES_CLASS), built from the class's first object
// and then shared by all its objects: reading and writing a new object costs no table.
struct MSGCODEC_EXPORT CZavoHesSharedMembers {
  constexpr CZavoHesSharedMembers(CZavoHesMemberSlot* slots, uint32_t count)
      : mSlots(slots), mCount(count) {}

  CZavoHesMemberSlot* mSlots;
  uint32_t mCount;
  bool mUniqueNames = true;
  // "M" "t" length type-name of the class, when it fits; 0 otherwise.
  uint32_t mTypeHeadLength = 0;
  char mTypeHead[64] = {};
  // 0 not built yet, 1 shared, 2 not shareable (a base builds its table by hand).
  std::atomic<int> mState{0};
  std::mutex mMutex;
};

class MSGCODEC_EXPORT CZavoHesClass : public CZavoHesObject {
 public:
  CZavoHesClass() = default;
  // Frees the table entries, not the members.
  ~CZavoHesClass() override;
  // The table points into its own object: message objects are not copied.
  CZavoHesClass(const CZavoHesClass&) = delete;
  CZavoHesClass& operator=(const CZavoHesClass&) = delete;

  // "N" when null; otherwise builds the table when it is empty, then "M" ... "z". What was
  // written before a failure stays (the caller takes it back).
  int Serialize(CZavoOutput& output) const override;
  // "N" makes the object null; "M" makes it not null, first makes every nullable member null,
  // then reads members in any order, skipping names the table does not know.
  int Deserialize(CZavoInputParse& parse) override;
  int SetNull(bool null) override;

  virtual const CZavoHesName& Namespace() const = 0;
  virtual const CZavoHesName& ClassName() const = 0;
  // Every table entry in order as "S" name value; HES_E_STATE when the table is empty.
  virtual int SerializeMembers(CZavoOutput& output) const;

  // The wire type name: Namespace() "." ClassName(), or ClassName() alone when the namespace
  // is empty. True when received (length bytes) is exactly that name.
  static bool MatchTypeName(const CZavoHesName& ns, const CZavoHesName& className,
                            const char* received, uint32_t length);

  // Declared members of ZAVO_HES_CLASS are visited after their bases'; this is the bottom.
  template <class F>
  int VisitHesMembers(F&&) {
    return HES_OK;
  }
  // Members declared with ZAVO_HES_CLASS, bases included; this is the bottom.
  static constexpr uint32_t kHesMemberCount = 0;

 protected:
  // Builds the member table: a derived message class first calls its base's HashMembers, then
  // inserts its own members in wire order. The base has none: HES_E_NOT_SUPPORTED.
  virtual int HashMembers();

  // Appends an entry at the end of the table; HES_E_NO_MEMORY when it cannot be allocated.
  int InsertMember(const CZavoHesName& name, CZavoHesObject& member);
  // Allocates room for count entries at once when the table is still empty (declared classes
  // know their member count: one allocation per table).
  int ReserveMembers(uint32_t count);
  // For ZAVO_HES_CLASS, when this object is exactly of the declared class: uses the class's
  // shared table, building it the first time with build (the class's own HashMembers) and
  // checking it with typed (the declared members, which also set the nullable flags). A class
  // whose table holds members that are not declared keeps one table per object, as built.
  int ShareMembers(CZavoHesSharedMembers& shared, int (*build)(CZavoHesClass&),
                   bool (*typed)(CZavoHesClass&, CZavoHesMemberSlot*, uint32_t));
  CZavoHesObject* MemberAt(const CZavoHesMemberSlot& slot) const {
    return reinterpret_cast<CZavoHesObject*>(
        reinterpret_cast<char*>(const_cast<CZavoHesClass*>(this)) + slot.mOffset);
  }

  // "M" "t" 16-bit length and the type name (HES_E_BAD_ARGUMENT above 65535).
  int StartSerialize(CZavoOutput& output) const;
  int EndSerialize(CZavoOutput& output) const;
  int SerializeOneMember(const char* name, uint32_t nameLength, const CZavoHesObject& member,
                         CZavoOutput& output) const;

  // Content indicator, type name and (when the verify flag is set) the name check. After
  // "N" the object is null and nothing more belongs to it.
  int StartDeserialize(CZavoInputParse& parse);
  int EndDeserialize(CZavoInputParse& parse);
  // StartDeserialize without the name check: after "M" typeName points at the received type
  // name (inside the input); after "N" the object is null.
  int ReadObjectStart(CZavoInputParse& parse, CZavoHesName& typeName);
  // The next member name ("S" length name), or the closing "z" (end true). name points into the
  // input.
  int ReadMemberName(CZavoInputParse& parse, const char*& name, uint32_t& length, bool& end);
  int VerifyExpectedClassName(CZavoInputParse& parse, const char* name, uint32_t length);
  // The member's Deserialize; on failure adds the member context to the error text.
  int DeserializeOneMember(const char* name, uint32_t nameLength, CZavoHesObject& member,
                           CZavoInputParse& parse);
  // Adds: class "namespace.ClassName".
  void AppendClassNameToError(CZavoInputParse& parse);

  bool mVerifyClassName = true;

 private:
  CZavoMemberData* FindMember(const char* name, uint32_t length) const;
  // A scalar member of the shared table written at at (in object) straight from its bytes:
  // the end of what was written, or null when it does not apply (nothing is then written).
  static char* PutScalar(const CZavoHesMemberSlot& slot, const char* object, char* at);
  // The scalar members of the shared table from slot next on, read straight from their bytes
  // as long as they arrive in table order: the slot after the last one read (next when none
  // was).
  static uint32_t ReadScalarRun(const CZavoHesSharedMembers& shared, uint32_t next, char* object,
                                CZavoInput& input);
  void NullifyAllMembers();
  int CreateMemberHash() const;
  void ClearMemberHash() const;
  int DeserializeMembers(CZavoInputParse& parse);

  // Built lazily, also by the const Serialize; only ever points into this object. The
  // entries live in blocks, the newest block first.
  struct MemberBlock;
  mutable CZavoMemberData* mFirstMember = nullptr;
  mutable CZavoMemberData* mLastMember = nullptr;
  mutable MemberBlock* mMemberBlocks = nullptr;
  // Set instead of the entries when the object uses its class's shared table.
  mutable const CZavoHesSharedMembers* mShared = nullptr;
};

// Reads one value of any kind and drops it: the item of lists whose items nobody keeps.
class MSGCODEC_EXPORT CZavoHesSkipObject : public CZavoHesObject {
 public:
  static constexpr CZavoHesName mNamespace{"", 0};
  static constexpr CZavoHesName mClassName{"", 0};

  int Deserialize(CZavoInputParse& parse) override;
};

// Reads an object of any type name and skips every member.
class MSGCODEC_EXPORT CZavoHesSkipClass : public CZavoHesClass {
 public:
  static constexpr CZavoHesName mEmptyName{"", 0};
  static constexpr CZavoHesName mNamespace{"", 0};
  static constexpr CZavoHesName mClassName{"", 0};

  CZavoHesSkipClass() { mVerifyClassName = false; }
  const CZavoHesName& Namespace() const override { return mEmptyName; }
  const CZavoHesName& ClassName() const override { return mEmptyName; }

 protected:
  int HashMembers() override { return HES_OK; }
};
