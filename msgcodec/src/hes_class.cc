// Object := "M" "t" length16 type-name ("S" length16 member-name value)* "z" | "N"
// type-name := namespace "." class-name, or class-name alone when the namespace is empty.
// Members are written in table order and read in any order; unknown members are skipped.
#include <msgcodec/hes_class.h>

#include <cstring>
#include <mutex>
#include <new>
#include <string_view>
#include <type_traits>

#include "error_text.h"

using msgcodec_internal::AddError;
using msgcodec_internal::kLastChars;

namespace {

std::string_view View(const CZavoHesName& name) { return {name.Text(), name.Length()}; }

uint32_t ReadBig16(const char* bytes) {
  return (uint32_t{static_cast<unsigned char>(bytes[0])} << 8) |
         static_cast<unsigned char>(bytes[1]);
}

}  // namespace

CZavoHesClass::~CZavoHesClass() { ClearMemberHash(); }

int CZavoHesClass::SetNull(bool null) {
  mIsNull = null;
  return HES_OK;
}

int CZavoHesClass::HashMembers() { return HES_E_NOT_SUPPORTED; }

struct CZavoHesClass::MemberBlock {
  MemberBlock* next;
  uint32_t capacity;
  uint32_t used;
  CZavoMemberData* Entry(uint32_t i) { return reinterpret_cast<CZavoMemberData*>(this + 1) + i; }
};

namespace {
// Room per block when nobody said how many members are coming.
constexpr uint32_t kDefaultBlockEntries = 8;
}  // namespace

int CZavoHesClass::ReserveMembers(uint32_t count) {
  if (mMemberBlocks != nullptr || count == 0) return HES_OK;
  void* raw = ::operator new(sizeof(MemberBlock) + sizeof(CZavoMemberData) * count, std::nothrow);
  if (raw == nullptr) return HES_E_NO_MEMORY;
  mMemberBlocks = new (raw) MemberBlock{nullptr, count, 0};
  return HES_OK;
}

int CZavoHesClass::InsertMember(const CZavoHesName& name, CZavoHesObject& member) {
  MemberBlock* block = mMemberBlocks;
  if (block == nullptr || block->used == block->capacity) {
    void* raw = ::operator new(sizeof(MemberBlock) + sizeof(CZavoMemberData) * kDefaultBlockEntries,
                               std::nothrow);
    if (raw == nullptr) return HES_E_NO_MEMORY;
    block = new (raw) MemberBlock{mMemberBlocks, kDefaultBlockEntries, 0};
    mMemberBlocks = block;
  }
  CZavoMemberData* entry = new (block->Entry(block->used++)) CZavoMemberData(&name, &member);
  if (mLastMember == nullptr) {
    mFirstMember = entry;
  } else {
    mLastMember->mNext = entry;
  }
  mLastMember = entry;
  return HES_OK;
}

int CZavoHesClass::ShareMembers(CZavoHesSharedMembers& shared, int (*build)(CZavoHesClass&),
                                bool (*typed)(CZavoHesClass&, CZavoHesMemberSlot*, uint32_t)) {
  int state = shared.mState.load(std::memory_order_acquire);
  if (state == 0) {
    std::lock_guard<std::mutex> lock(shared.mMutex);
    state = shared.mState.load(std::memory_order_relaxed);
    if (state == 0) {
      // Built the ordinary way once, then kept as offsets into the object.
      const int rc = build(*this);
      if (rc != HES_OK) return rc;
      uint32_t count = 0;
      bool fits = true;
      for (const CZavoMemberData* entry = mFirstMember; entry != nullptr; entry = entry->mNext) {
        if (count == shared.mCount) {
          fits = false;
          break;
        }
        CZavoHesMemberSlot& slot = shared.mSlots[count++];
        slot = {entry->mName,
                reinterpret_cast<char*>(entry->mMember) - reinterpret_cast<char*>(this),
                true,
                CZavoHesMemberSlot::kOther,
                0,
                {}};
        const uint32_t length = entry->mName->Length();
        if (length + 3 <= sizeof(slot.mHead)) {
          slot.mHead[0] = 'S';
          slot.mHead[1] = static_cast<char>(length >> 8);
          slot.mHead[2] = static_cast<char>(length);
          std::memcpy(slot.mHead + 3, entry->mName->Text(), length);
          slot.mHeadLength = static_cast<uint8_t>(length + 3);
        }
      }
      const bool same = fits && count == shared.mCount && typed(*this, shared.mSlots, count);
      for (uint32_t i = 0; same && i < count; ++i) {
        for (uint32_t j = 0; j < i; ++j) {
          const CZavoHesName& a = *shared.mSlots[i].mName;
          if (a.Equals(shared.mSlots[j].mName->Text(), shared.mSlots[j].mName->Length())) {
            shared.mUniqueNames = false;
          }
        }
      }
      if (same) {
        CZavoOutput head(sizeof(shared.mTypeHead));
        if (StartSerialize(head) == HES_OK && head.DataSize() <= sizeof(shared.mTypeHead)) {
          std::memcpy(shared.mTypeHead, head.Data(), head.DataSize());
          shared.mTypeHeadLength = head.DataSize();
        }
      }
      state = same ? 1 : 2;
      shared.mState.store(state, std::memory_order_release);
      if (!same) return HES_OK;  // this object keeps the table it built
      ClearMemberHash();
    }
  }
  if (state == 2) return build(*this);
  mShared = &shared;
  return HES_OK;
}

int CZavoHesClass::CreateMemberHash() const {
  if (mFirstMember != nullptr || mShared != nullptr) return HES_OK;
  // Building the table changes only the table; the members stay untouched.
  const int rc = const_cast<CZavoHesClass*>(this)->HashMembers();
  // A table left half built would be taken for a whole one next time.
  if (rc != HES_OK) ClearMemberHash();
  return rc;
}

void CZavoHesClass::ClearMemberHash() const {
  // The entries are trivially destructible: freeing their blocks frees them.
  static_assert(std::is_trivially_destructible_v<CZavoMemberData>);
  while (mMemberBlocks != nullptr) {
    MemberBlock* next = mMemberBlocks->next;
    ::operator delete(mMemberBlocks);
    mMemberBlocks = next;
  }
  mFirstMember = mLastMember = nullptr;
  mShared = nullptr;
}

CZavoMemberData* CZavoHesClass::FindMember(const char* name, uint32_t length) const {
  for (CZavoMemberData* entry = mFirstMember; entry != nullptr; entry = entry->mNext) {
    if (entry->mName->Equals(name, length)) return entry;
  }
  return nullptr;
}

void CZavoHesClass::NullifyAllMembers() {
  if (mShared != nullptr) {
    for (uint32_t i = 0; i < mShared->mCount; ++i) {
      const CZavoHesMemberSlot& slot = mShared->mSlots[i];
      if (slot.mNullable) MemberAt(slot)->SetNull(true);
    }
    return;
  }
  for (CZavoMemberData* entry = mFirstMember; entry != nullptr; entry = entry->mNext) {
    entry->mMember->SetNull(true);  // scalars refuse and keep their value
  }
}

bool CZavoHesClass::MatchTypeName(const CZavoHesName& ns, const CZavoHesName& className,
                                  const char* received, uint32_t length) {
  const std::string_view r(received, length);
  if (ns.IsEmpty()) return r == View(className);
  return r.size() == uint64_t{ns.Length()} + 1 + className.Length() &&
         r.substr(r.size() - className.Length()) == View(className) && r[ns.Length()] == '.' &&
         r.substr(0, ns.Length()) == View(ns);
}

// A scalar member of the shared table straight into the buffer at at; returns the end of its
// bytes, or null when the slot is not one (nothing is written then). REQUIRES: room for the
// whole head buffer and 9 bytes. Everything is read before the first store: stores through
// char* may alias anything, and the cursor stays in a register.
[[gnu::always_inline]] inline char* CZavoHesClass::PutScalar(const CZavoHesMemberSlot& slot,
                                                             const char* object, char* at) {
  const CZavoHesMemberSlot::Kind kind = slot.mKind;
  const uint32_t headLength = slot.mHeadLength;
  if (headLength == 0) return nullptr;
  const CZavoHesObject* member = reinterpret_cast<const CZavoHesObject*>(object + slot.mOffset);
  switch (kind) {
    case CZavoHesMemberSlot::kBool: {
      const char marker = static_cast<const CZavoHesBool*>(member)->mValue ? 'T' : 'F';
      std::memcpy(at, slot.mHead, sizeof(slot.mHead));
      at[headLength] = marker;
      return at + headLength + 1;
    }
    case CZavoHesMemberSlot::kNum32: {
      // "I" and the 4 value bytes in one 8-byte store; the 3 bytes after them are free room.
      const uint64_t word = uint64_t{'I'} | uint64_t{__builtin_bswap32(static_cast<uint32_t>(
                                                static_cast<const CZavoHesNum32*>(member)->mValue))}
                                                << 8;
      std::memcpy(at, slot.mHead, sizeof(slot.mHead));
      std::memcpy(at + headLength, &word, 8);
      return at + headLength + 5;
    }
    case CZavoHesMemberSlot::kInt64:
    case CZavoHesMemberSlot::kDouble:
    case CZavoHesMemberSlot::kDate: {
      const char marker = kind == CZavoHesMemberSlot::kInt64    ? 'L'
                          : kind == CZavoHesMemberSlot::kDouble ? 'D'
                                                                : 'd';
      const uint64_t big = __builtin_bswap64(static_cast<const CZavoHesNum64*>(member)->mValue);
      std::memcpy(at, slot.mHead, sizeof(slot.mHead));
      at += headLength;
      *at = marker;
      std::memcpy(at + 1, &big, 8);
      return at + 9;
    }
    default:
      return nullptr;
  }
}

// ---- writing ----

int CZavoHesClass::Serialize(CZavoOutput& output) const {
  if (mIsNull) return output.Append('N');
  int rc = CreateMemberHash();
  if (rc != HES_OK) return rc;
  if (mShared != nullptr && mShared->mTypeHeadLength != 0) {
    rc = output.Append(mShared->mTypeHead, mShared->mTypeHeadLength);
  } else {
    rc = StartSerialize(output);
  }
  if (rc != HES_OK) return rc;
  if ((rc = SerializeMembers(output)) != HES_OK) return rc;
  return EndSerialize(output);
}

int CZavoHesClass::StartSerialize(CZavoOutput& output) const {
  const CZavoHesName& ns = Namespace();
  const CZavoHesName& name = ClassName();
  const uint64_t length = (ns.IsEmpty() ? 0 : uint64_t{ns.Length()} + 1) + name.Length();
  if (length > 0xFFFF) return HES_E_BAD_ARGUMENT;
  // "M" "t" length and the name in one append when it is short.
  char head[128];
  if (length + 4 <= sizeof(head)) {
    head[0] = 'M';
    head[1] = 't';
    head[2] = static_cast<char>(length >> 8);
    head[3] = static_cast<char>(length);
    char* at = head + 4;
    if (!ns.IsEmpty()) {
      std::memcpy(at, ns.Text(), ns.Length());
      at += ns.Length();
      *at++ = '.';
    }
    std::memcpy(at, name.Text(), name.Length());
    return output.Append(head, static_cast<uint32_t>(length + 4));
  }
  int rc;
  if ((rc = output.Append("Mt", 2)) != HES_OK) return rc;
  if ((rc = output.WriteUInt16(static_cast<uint32_t>(length))) != HES_OK) return rc;
  if (!ns.IsEmpty()) {
    if ((rc = output.Append(ns.Text(), ns.Length())) != HES_OK) return rc;
    if ((rc = output.Append('.')) != HES_OK) return rc;
  }
  return output.Append(name.Text(), name.Length());
}

int CZavoHesClass::EndSerialize(CZavoOutput& output) const { return output.Append('z'); }

int CZavoHesClass::SerializeMembers(CZavoOutput& output) const {
  if (mShared != nullptr) {
    const CZavoHesMemberSlot* slot = mShared->mSlots;
    const CZavoHesMemberSlot* const last = slot + mShared->mCount;
    while (slot != last) {
      // A run of scalars goes straight into the buffer through a local cursor; the size is
      // stored once at the end of the run.
      if (slot->mKind != CZavoHesMemberSlot::kOther && slot->mHeadLength != 0) {
        const char* object = reinterpret_cast<const char*>(this);
        char* at = output.mData + output.mSize;
        char* const end = output.mData + output.mCapacity;
        constexpr std::ptrdiff_t kRoom = sizeof(CZavoHesMemberSlot::mHead) + 9;
        while (slot != last && end - at >= kRoom) {
          char* const next = PutScalar(*slot, object, at);
          if (next == nullptr) break;
          at = next;
          ++slot;
        }
        output.mSize = static_cast<uint32_t>(at - output.mData);
        if (slot == last) break;
      }
      const int rc =
          SerializeOneMember(slot->mName->Text(), slot->mName->Length(), *MemberAt(*slot), output);
      if (rc != HES_OK) return rc;
      ++slot;
    }
    return HES_OK;
  }
  if (mFirstMember == nullptr) return HES_E_STATE;
  for (const CZavoMemberData* entry = mFirstMember; entry != nullptr; entry = entry->mNext) {
    const int rc =
        SerializeOneMember(entry->mName->Text(), entry->mName->Length(), *entry->mMember, output);
    if (rc != HES_OK) return rc;
  }
  return HES_OK;
}

namespace {

uint32_t LoadBig32(const char* at) {
  uint32_t big;
  std::memcpy(&big, at, 4);
  return __builtin_bswap32(big);
}
uint64_t LoadBig64(const char* at) {
  uint64_t big;
  std::memcpy(&big, at, 8);
  return __builtin_bswap64(big);
}

// Equality of short runs (member heads) without a call: 8-byte words, the last one overlapping.
bool EqualShort(const char* a, const char* b, uint32_t n) {
  if (n < 8) {
    for (uint32_t i = 0; i < n; ++i) {
      if (a[i] != b[i]) return false;
    }
    return true;
  }
  uint64_t x, y;
  for (uint32_t i = 0; i + 8 < n; i += 8) {
    std::memcpy(&x, a + i, 8);
    std::memcpy(&y, b + i, 8);
    if (x != y) return false;
  }
  std::memcpy(&x, a + n - 8, 8);
  std::memcpy(&y, b + n - 8, 8);
  return x == y;
}

}  // namespace

uint32_t CZavoHesClass::ReadScalarRun(const CZavoHesSharedMembers& shared, uint32_t next,
                                      char* object, CZavoInput& input) {
  // Each head and its whole value must be there with the right marker; anything else is left
  // to the ordinary readers, which then fail with their own texts. Position and cursor stay
  // local until the run ends.
  const char* const data = input.mData;
  const char* at = data + input.mPosition;
  const char* const end = data + input.mTotalSize;
  const uint32_t count = shared.mCount;
  for (; next < count; ++next) {
    const CZavoHesMemberSlot& slot = shared.mSlots[next];
    const CZavoHesMemberSlot::Kind kind = slot.mKind;
    const uint32_t head = slot.mHeadLength;
    if (kind == CZavoHesMemberSlot::kOther || kind > CZavoHesMemberSlot::kDate || head == 0) break;
    // Value bytes and marker of each kind (a bool also takes "F").
    static constexpr uint8_t kValueBytes[] = {0, 1, 5, 9, 9, 9};
    static constexpr char kMarker[] = {0, 'T', 'I', 'L', 'D', 'd'};
    const uint32_t value = kValueBytes[kind];
    if (end - at < static_cast<std::ptrdiff_t>(head + value) || !EqualShort(at, slot.mHead, head)) {
      break;
    }
    const char marker = at[head];
    CZavoHesObject* member = reinterpret_cast<CZavoHesObject*>(object + slot.mOffset);
    if (value == 9) {
      if (marker != kMarker[kind]) break;
      static_cast<CZavoHesNum64*>(member)->mValue = LoadBig64(at + head + 1);
    } else if (value == 5) {
      if (marker != 'I') break;
      static_cast<CZavoHesNum32*>(member)->mValue = static_cast<int32_t>(LoadBig32(at + head + 1));
    } else {
      if (marker != 'T' && marker != 'F') break;
      static_cast<CZavoHesBool*>(member)->mValue = marker == 'T';
    }
    at += head + value;
  }
  input.mPosition = static_cast<uint32_t>(at - data);
  return next;
}

int CZavoHesClass::SerializeOneMember(const char* name, uint32_t nameLength,
                                      const CZavoHesObject& member, CZavoOutput& output) const {
  if (nameLength > 0xFFFF) return HES_E_BAD_ARGUMENT;
  int rc;
  // "S" length and the name in one append when the name is short.
  char head[64];
  if (nameLength + 3 <= sizeof(head)) {
    head[0] = 'S';
    head[1] = static_cast<char>(nameLength >> 8);
    head[2] = static_cast<char>(nameLength);
    std::memcpy(head + 3, name, nameLength);
    rc = output.Append(head, nameLength + 3);
  } else {
    if ((rc = output.Append('S')) != HES_OK) return rc;
    if ((rc = output.WriteUInt16(nameLength)) != HES_OK) return rc;
    rc = output.Append(name, nameLength);
  }
  if (rc != HES_OK) return rc;
  return member.Serialize(output);
}

// ---- reading ----

void CZavoHesClass::AppendClassNameToError(CZavoInputParse& parse) {
  const CZavoHesName& ns = Namespace();
  if (ns.IsEmpty()) {
    AddError(parse, 0, {"class \"", View(ClassName()), "\""});
  } else {
    AddError(parse, 0, {"class \"", View(ns), ".", View(ClassName()), "\""});
  }
}

int CZavoHesClass::Deserialize(CZavoInputParse& parse) {
  int rc = CreateMemberHash();
  if (rc != HES_OK) return rc;
  if ((rc = StartDeserialize(parse)) != HES_OK) return rc;
  if (mIsNull) return HES_OK;
  return DeserializeMembers(parse);
}

int CZavoHesClass::StartDeserialize(CZavoInputParse& parse) {
  CZavoHesName received{"", 0};
  const int rc = ReadObjectStart(parse, received);
  if (rc != HES_OK || mIsNull || !mVerifyClassName) return rc;
  return VerifyExpectedClassName(parse, received.Text(), received.Length());
}

int CZavoHesClass::ReadObjectStart(CZavoInputParse& parse, CZavoHesName& typeName) {
  CZavoInput& input = parse.Input();
  char marker = 0;
  if (input.ReadByte(marker) != HES_OK) {
    parse.AddToError("Failed to get content indicator ('M' or 'N')", ZAVO_ADD_LAST_CHARS);
    return HES_E_NO_DATA;
  }
  if (marker == 'N') return SetNull(true);
  if (marker != 'M') {
    parse.AddToError("Expected 'M' or 'N' but got something else", ZAVO_ADD_LAST_CHARS);
    return HES_E_FORMAT;
  }
  SetNull(false);
  if (input.ReadByte(marker) != HES_OK) {
    parse.AddToError("Failed to get class type indicator ('t')", ZAVO_ADD_LAST_CHARS);
    return HES_E_NO_DATA;
  }
  if (marker != 't') {
    parse.AddToError("Expected 't' and then length but got something else", ZAVO_ADD_LAST_CHARS);
    return HES_E_FORMAT;
  }
  const char* bytes;
  int rc = input.Extract(bytes, 2);
  if (rc != HES_OK) {
    parse.AddToError("Failed to get class name length (after 't')", ZAVO_ADD_LAST_CHARS);
    return rc;
  }
  const uint32_t length = ReadBig16(bytes);
  if ((rc = input.Extract(bytes, length)) != HES_OK) {
    parse.AddToError("Failed to get read class name", ZAVO_ADD_LAST_CHARS);
    return rc;
  }
  typeName = CZavoHesName(bytes, length);
  return HES_OK;
}

int CZavoHesClass::VerifyExpectedClassName(CZavoInputParse& parse, const char* name,
                                           uint32_t length) {
  const CZavoHesName& ns = Namespace();
  if (MatchTypeName(ns, ClassName(), name, length)) return HES_OK;
  const std::string_view received(name, length);
  if (ns.IsEmpty()) {
    AddError(parse, kLastChars,
             {"Expected class \"", View(ClassName()), "\" but got \"", received, "\""});
  } else {
    AddError(
        parse, kLastChars,
        {"Expected class \"", View(ns), ".", View(ClassName()), "\" but got \"", received, "\""});
  }
  return HES_E_FORMAT;
}

int CZavoHesClass::EndDeserialize(CZavoInputParse& parse) {
  char marker = 0;
  if (parse.Input().ReadByte(marker) != HES_OK) {
    // The last chars come right after the fixed text, before the class context.
    parse.AddToError("Failed to read terminating 'z' for ", ZAVO_ADD_LAST_CHARS);
    AppendClassNameToError(parse);
    return HES_E_NO_DATA;
  }
  if (marker != 'z') {
    parse.AddToError("Expected terminating 'z' for ", ZAVO_NO_LAST_CHARS);
    AppendClassNameToError(parse);
    parse.AddToErrorByLength(" but got something else", 23, kLastChars);
    return HES_E_FORMAT;
  }
  return HES_OK;
}

int CZavoHesClass::DeserializeOneMember(const char* name, uint32_t nameLength,
                                        CZavoHesObject& member, CZavoInputParse& parse) {
  const int rc = member.Deserialize(parse);
  if (rc == HES_OK) return rc;
  const char* intro = parse.GetErrorLength() > 0 ? ". This happens in" : "Error deserializing";
  parse.AddToError(intro, ZAVO_NO_LAST_CHARS);
  AddError(parse, 0, {" member \"", std::string_view(name, nameLength), "\" of "});
  AppendClassNameToError(parse);
  return rc;
}

int CZavoHesClass::ReadMemberName(CZavoInputParse& parse, const char*& name, uint32_t& length,
                                  bool& end) {
  CZavoInput& input = parse.Input();
  char marker = 0;
  if (input.ReadByte(marker) != HES_OK) {
    parse.AddToError("While parsing ", ZAVO_NO_LAST_CHARS);
    AppendClassNameToError(parse);
    parse.AddToError(", expected either 'S' or 'z' but could not get data", ZAVO_ADD_LAST_CHARS);
    return HES_E_NO_DATA;
  }
  end = marker == 'z';
  if (end) return HES_OK;
  if (marker != 'S') {
    parse.AddToError("While parsing ", ZAVO_NO_LAST_CHARS);
    AppendClassNameToError(parse);
    parse.AddToError(", expected either 'S' or 'z' but got something else", ZAVO_ADD_LAST_CHARS);
    return HES_E_FORMAT;
  }
  const char* bytes;
  if (input.Extract(bytes, 2) != HES_OK) {
    parse.AddToError("While parsing ", ZAVO_NO_LAST_CHARS);
    AppendClassNameToError(parse);
    parse.AddToError(", expected member name length (after 'S') but got no data",
                     ZAVO_ADD_LAST_CHARS);
    return HES_E_NO_DATA;
  }
  length = ReadBig16(bytes);
  if (input.Extract(name, length) != HES_OK) {
    parse.AddToError("While parsing ", ZAVO_NO_LAST_CHARS);
    AppendClassNameToError(parse);
    parse.AddToError(", Got member data length, but could not get the name", ZAVO_ADD_LAST_CHARS);
    return HES_E_NO_DATA;
  }
  return HES_OK;
}

int CZavoHesClass::DeserializeMembers(CZavoInputParse& parse) {
  NullifyAllMembers();
  // Members mostly arrive in table order: the slot after the last one found is tried first.
  // With a name twice in the table the walk from the start keeps finding the first.
  const CZavoHesSharedMembers* shared = mShared;
  uint32_t next = 0;
  CZavoInput& input = parse.Input();
  for (;;) {
    if (shared != nullptr && next < shared->mCount && shared->mUniqueNames &&
        shared->mSlots[next].mKind != CZavoHesMemberSlot::kOther) {
      const uint32_t after = ReadScalarRun(*shared, next, reinterpret_cast<char*>(this), input);
      if (after != next) {
        next = after;
        continue;
      }
    }
    const char* name = nullptr;
    uint32_t length = 0;
    bool end = false;
    int rc = ReadMemberName(parse, name, length, end);
    if (rc != HES_OK || end) return rc;
    CZavoHesObject* member = nullptr;
    if (shared != nullptr) {
      const uint32_t count = shared->mCount;
      if (next < count && shared->mUniqueNames &&
          shared->mSlots[next].mName->Equals(name, length)) {
        member = MemberAt(shared->mSlots[next++]);
      } else {
        for (uint32_t i = 0; i < count; ++i) {
          if (shared->mSlots[i].mName->Equals(name, length)) {
            member = MemberAt(shared->mSlots[i]);
            next = i + 1;
            break;
          }
        }
      }
    } else if (CZavoMemberData* entry = FindMember(name, length); entry != nullptr) {
      member = entry->mMember;
    }
    rc = member != nullptr ? DeserializeOneMember(name, length, *member, parse) : parse.SkipValue();
    if (rc != HES_OK) return rc;
  }
}

// ---- skip object ----

int CZavoHesSkipObject::Deserialize(CZavoInputParse& parse) { return parse.SkipValue(); }
