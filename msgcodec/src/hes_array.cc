// List := "V" "t" length16 "[" item-type "l" count32 item[count] "z" | "N"
// item-type := namespace "." class-name, or class-name alone when the namespace is empty.
// count is big-endian and signed; a negative count (variable length) is not supported.
#include <msgcodec/hes_array.h>

#include <cstring>
#include <new>
#include <string_view>

#include "error_text.h"

using msgcodec_internal::AddError;
using msgcodec_internal::kLastChars;

namespace {

std::string_view View(const CZavoHesName& name) { return {name.Text(), name.Length()}; }

}  // namespace

CZavoHesArrayBase::~CZavoHesArrayBase() {
  Reset();
  delete[] mItems;
}

int CZavoHesArrayBase::SetNull(bool null) {
  mIsNull = null;
  return HES_OK;
}

int CZavoHesArrayBase::AllocateAtLeast(int slots) {
  if (slots <= mCapacity) return HES_OK;
  CZavoHesObject** items = new (std::nothrow) CZavoHesObject*[slots];
  if (items == nullptr) return HES_E_NO_MEMORY;
  if (mCount > 0) std::memcpy(items, mItems, sizeof(CZavoHesObject*) * mCount);
  delete[] mItems;
  mItems = items;
  mCapacity = slots;
  return HES_OK;
}

int CZavoHesArrayBase::Add(CZavoHesObject& item) {
  if (mCount == mCapacity) {
    if (mCapacity > (INT32_MAX - 20) / 2) return HES_E_NO_MEMORY;
    const int rc = AllocateAtLeast(mCapacity * 2 + 20);
    if (rc != HES_OK) return rc;
  }
  mItems[mCount++] = &item;
  return SetNull(false);
}

CZavoHesObject* CZavoHesArrayBase::GetAt(int index) const {
  if (index < 0 || index >= mCount) return nullptr;
  return mItems[index];
}

void CZavoHesArrayBase::Reset() {
  while (mCount > 0) delete mItems[--mCount];
  SetNull(false);
}

int CZavoHesArrayBase::Serialize(CZavoOutput& output) const {
  if (mIsNull) return output.Append('N');
  const CZavoHesName& ns = ItemNamespace();
  const CZavoHesName& name = ItemClassName();
  const uint64_t length = (ns.IsEmpty() ? 0 : uint64_t{ns.Length()} + 1) + name.Length() + 1;
  if (length > 0xFFFF) return HES_E_BAD_ARGUMENT;
  int rc;
  if ((rc = output.Append("Vt", 2)) != HES_OK) return rc;
  if ((rc = output.WriteUInt16(static_cast<uint32_t>(length))) != HES_OK) return rc;
  if ((rc = output.Append('[')) != HES_OK) return rc;
  if (!ns.IsEmpty()) {
    if ((rc = output.Append(ns.Text(), ns.Length())) != HES_OK) return rc;
    if ((rc = output.Append('.')) != HES_OK) return rc;
  }
  if ((rc = output.Append(name.Text(), name.Length())) != HES_OK) return rc;
  if ((rc = output.WriteMarked32('l', static_cast<uint32_t>(mCount))) != HES_OK) return rc;
  for (int32_t i = 0; i < mCount; ++i) {
    if ((rc = mItems[i]->Serialize(output)) != HES_OK) return rc;
  }
  return output.Append('z');
}

int CZavoHesArrayBase::ReadListStart(CZavoInputParse& parse, CZavoHesName& itemType,
                                     int32_t& count) {
  count = 0;
  CZavoInput& input = parse.Input();
  char marker = 0;
  if (input.ReadByte(marker) != HES_OK) {
    parse.AddToError("Failed to get array content indicator", ZAVO_ADD_LAST_CHARS);
    return HES_E_NO_DATA;
  }
  if (marker == 'N') return SetNull(true);
  if (marker != 'V') {
    parse.AddToError("Expected array content indicator ('V' or 'N') but got something else",
                     ZAVO_ADD_LAST_CHARS);
    return HES_E_FORMAT;
  }
  SetNull(false);
  if (input.ReadByte(marker) != HES_OK) {
    parse.AddToError("Failed to read array item type", ZAVO_ADD_LAST_CHARS);
    return HES_E_NO_DATA;
  }
  if (marker != 't') {
    parse.AddToError("Expected 't' and then type length (of array item), but got something else",
                     ZAVO_ADD_LAST_CHARS);
    return HES_E_FORMAT;
  }
  const char* bytes;
  int rc = input.Extract(bytes, 2);
  if (rc != HES_OK) {
    parse.AddToError("Failed to get array item's class name length (after 't')",
                     ZAVO_ADD_LAST_CHARS);
    return rc;
  }
  const uint32_t length =
      (uint32_t{static_cast<unsigned char>(bytes[0])} << 8) | static_cast<unsigned char>(bytes[1]);
  if (length == 0) {
    parse.AddToError("Anonymous lists not supported", ZAVO_ADD_LAST_CHARS);
    return HES_E_NOT_SUPPORTED;
  }
  const char* type;
  if ((rc = input.Extract(type, length)) != HES_OK) {
    parse.AddToError("Failed to read item's class name", ZAVO_ADD_LAST_CHARS);
    return rc;
  }
  if (type[0] != '[') {
    parse.AddToError("Expected list item class name to start with with '[', but it didn't",
                     ZAVO_ADD_LAST_CHARS);
    return HES_E_FORMAT;
  }
  if (mVerifyItemClass &&
      !CZavoHesClass::MatchTypeName(ItemNamespace(), ItemClassName(), type + 1, length - 1)) {
    const std::string_view received(type, length);
    if (ItemNamespace().IsEmpty()) {
      AddError(
          parse, kLastChars,
          {"Expected item class \"", View(ItemClassName()), "[]\" but got \"", received, "\""});
    } else {
      AddError(parse, kLastChars,
               {"Expected item class \"", View(ItemNamespace()), ".", View(ItemClassName()),
                "[]\" but got \"", received, "\""});
    }
    return HES_E_FORMAT;
  }
  if ((rc = input.Extract(bytes, 1)) != HES_OK) {
    parse.AddToError("Failed to read array length indicator", ZAVO_ADD_LAST_CHARS);
    return rc;
  }
  if (bytes[0] != 'l') {
    parse.AddToError("Expected 'l' and then array length , but got something else",
                     ZAVO_ADD_LAST_CHARS);
    return HES_E_FORMAT;
  }
  if ((rc = input.Extract(bytes, 4)) != HES_OK) {
    parse.AddToError("Failed to read array length indicator", ZAVO_ADD_LAST_CHARS);
    return rc;
  }
  uint32_t raw = 0;
  for (int i = 0; i < 4; ++i) raw = (raw << 8) | static_cast<unsigned char>(bytes[i]);
  count = static_cast<int32_t>(raw);
  if (count < 0) {
    parse.AddToError(
        "Got negative length, indicating variable length list, which is currently not supported",
        ZAVO_ADD_LAST_CHARS);
    return HES_E_NOT_SUPPORTED;
  }
  itemType = CZavoHesName(type + 1, length - 1);
  return HES_OK;
}

int CZavoHesArrayBase::Deserialize(CZavoInputParse& parse) {
  Reset();
  CZavoHesName itemType{"", 0};
  int32_t count = 0;
  int rc = ReadListStart(parse, itemType, count);
  if (rc != HES_OK || mIsNull) return rc;
  // The count is trusted, but nothing is reserved for it up front: each item takes at least
  // one byte, so the slots grow only as far as the input really carries items.
  for (int32_t i = 0; i < count; ++i) {
    CZavoHesObject* item = nullptr;
    if ((rc = CreateItem(item)) != HES_OK) return rc;
    rc = item->Deserialize(parse);
    if (rc == HES_OK) rc = Add(*item);
    if (rc != HES_OK) {
      delete item;
      Reset();
      return rc;
    }
  }
  return ReadListEnd(parse);
}

int CZavoHesArrayBase::ReadListEnd(CZavoInputParse& parse) {
  const char* bytes;
  int rc;
  if ((rc = parse.Input().Extract(bytes, 1)) != HES_OK) {
    parse.AddToError("Failed to read array's terminating 'z'", ZAVO_ADD_LAST_CHARS);
    return rc;
  }
  if (bytes[0] != 'z') {
    parse.AddToError("Expected array's terminating 'z', but got something else",
                     ZAVO_ADD_LAST_CHARS);
    return HES_E_FORMAT;
  }
  return HES_OK;
}
