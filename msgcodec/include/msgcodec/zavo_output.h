// CZavoOutput: the append-only, growable byte buffer every codec object writes into.
//
//   CZavoOutput out(4096);
//   int rc = MsgCodecBuildRequest("report", 6, request, out);
//   if (rc == HES_OK) Send(out.Data(), out.DataSize());
#pragma once

#include <msgcodec/hes_result.h>
#include <msgcodec/msgcodec_export.h>

#include <cstdint>
#include <cstring>

class CZavoHesClass;

class MSGCODEC_EXPORT CZavoOutput {
 public:
  // growBy is the unit in which the buffer grows; 0 is taken as 1.
  explicit CZavoOutput(uint32_t growBy);
  // Frees the buffer unless SetDeleteDataAtDestruction(false) handed it to another owner.
  ~CZavoOutput();
  CZavoOutput(const CZavoOutput&) = delete;
  CZavoOutput& operator=(const CZavoOutput&) = delete;

  int Append(char c) {
    if (mSize == mCapacity) return Grow(&c, 1);
    mData[mSize++] = c;
    return HES_OK;
  }
  // HES_OK, or HES_E_NO_MEMORY with nothing changed. When the free space is too small the
  // buffer grows to size + (free space + a whole number of growth steps).
  int Append(const char* bytes, uint32_t length) {
    if (length > mCapacity - mSize) return Grow(bytes, length);
    if (length > 0) std::memcpy(mData + mSize, bytes, length);
    mSize += length;
    return HES_OK;
  }

  // The bytes written; null until the first non-empty append.
  const char* Data() const { return mData; }
  uint32_t DataSize() const { return mSize; }
  uint32_t Capacity() const { return mCapacity; }

  // Cuts the written data back to size (writers take back a partly written item with it);
  // HES_E_BAD_ARGUMENT and no change when size is beyond the data written.
  int SetDataSize(uint32_t size);

  // false hands the buffer to whoever took Data(); the new owner frees it with delete[].
  void SetDeleteDataAtDestruction(bool deleteData) { mDeleteData = deleteData; }

  // Grows the buffer to exactly capacity bytes when it is smaller (never shrinks). Lets a
  // writer that knows what is coming grow once instead of step by step.
  int Reserve(uint32_t capacity);

  // Wire items (big-endian). WriteUInt16 refuses values above 65535 with HES_E_BAD_ARGUMENT
  // before writing anything.
  int WriteUInt16(uint32_t value) {
    if (value > 0xFFFF) return HES_E_BAD_ARGUMENT;
    const char bytes[2] = {static_cast<char>(value >> 8), static_cast<char>(value)};
    return Append(bytes, 2);
  }
  int WriteUInt32(uint32_t value) {
    const uint32_t big = __builtin_bswap32(value);
    char bytes[4];
    std::memcpy(bytes, &big, 4);
    return Append(bytes, 4);
  }
  int WriteUInt64(uint64_t value) {
    const uint64_t big = __builtin_bswap64(value);
    char bytes[8];
    std::memcpy(bytes, &big, 8);
    return Append(bytes, 8);
  }
  // Marker byte followed by 4 or 8 big-endian bytes ("I", "L", "D", "d").
  int WriteMarked32(char marker, uint32_t value) {
    const uint32_t big = __builtin_bswap32(value);
    char bytes[5] = {marker};
    std::memcpy(bytes + 1, &big, 4);
    return Append(bytes, 5);
  }
  int WriteMarked64(char marker, uint64_t value) {
    const uint64_t big = __builtin_bswap64(value);
    char bytes[9] = {marker};
    std::memcpy(bytes + 1, &big, 8);
    return Append(bytes, 9);
  }

  // The UTF-8 form of count UTF-16 units. A surrogate unit stops the encoding with
  // HES_E_NOT_SUPPORTED; the units before it are already written.
  int WriteUtf8(const char16_t* units, uint32_t count);

 private:
  friend class CZavoHesClass;  // writes declared members in place when they fit
  // Append when the free space is too small.
  int Grow(const char* bytes, uint32_t length);

  char* mData = nullptr;
  uint32_t mCapacity = 0;
  uint32_t mSize = 0;
  uint32_t mGrowBy;
  bool mDeleteData = true;
};
