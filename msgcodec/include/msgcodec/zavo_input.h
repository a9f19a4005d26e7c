// CZavoInput: a cursor over received bytes. CZavoInputParse: that cursor plus the error text
// that every reader appends to when it fails.
//
//   CZavoInput input(reply, replySize);
//   CZavoInputParse parse(input);
//   if (MsgCodecReadResponse(result, parse) != HES_OK) Log(parse.GetError());
#pragma once

#include <msgcodec/hes_result.h>
#include <msgcodec/msgcodec_export.h>

#include <cstdint>

// Does not own the bytes: the caller keeps them alive while reading.
class MSGCODEC_EXPORT CZavoInput {
 public:
  CZavoInput(const char* data, uint32_t size) : mData(data), mTotalSize(size) {}

  // Points bytes at the current position and moves past count bytes; HES_E_NO_DATA and no
  // change when fewer remain.
  int Extract(const char*& bytes, uint32_t count) {
    if (count > mTotalSize - mPosition) return HES_E_NO_DATA;
    bytes = mData + mPosition;
    mPosition += count;
    return HES_OK;
  }
  // Takes one byte; HES_E_NO_DATA when none is left.
  int ReadByte(char& byte) {
    if (mPosition >= mTotalSize) return HES_E_NO_DATA;
    byte = mData[mPosition++];
    return HES_OK;
  }
  // Points bytes at an absolute offset; the position does not move.
  int GetDataAt(const char*& bytes, uint32_t offset, uint32_t count) const {
    if (uint64_t{offset} + count > mTotalSize) return HES_E_NO_DATA;
    bytes = mData + offset;
    return HES_OK;
  }
  // HES_E_STATE when count exceeds the position.
  int PutBack(uint32_t count);

  uint32_t GetNumExtracted() const { return mPosition; }
  uint32_t GetTotalSize() const { return mTotalSize; }
  uint32_t Remaining() const { return mTotalSize - mPosition; }

 private:
  friend class CZavoHesClass;  // reads declared scalar members in place
  const char* mData;
  uint32_t mTotalSize;
  uint32_t mPosition = 0;
};

enum TZavoAddLastChars { ZAVO_NO_LAST_CHARS = 0, ZAVO_ADD_LAST_CHARS = 1 };

class MSGCODEC_EXPORT CZavoInputParse {
 public:
  // Readers give up on skipped values nested deeper than this (objects and lists inside
  // unknown members); the catalogue itself nests a handful of levels.
  static constexpr uint32_t kMaxSkipDepth = 256;
  // Every message recorded with last chars shows this many.
  static constexpr uint32_t kLastChars = 16;

  explicit CZavoInputParse(CZavoInput& input) : mInput(input) {}
  ~CZavoInputParse();
  CZavoInputParse(const CZavoInputParse&) = delete;
  CZavoInputParse& operator=(const CZavoInputParse&) = delete;

  CZavoInput& Input() { return mInput; }

  // NUL-terminated; null when nothing was recorded. The text only grows.
  const char* GetError() const { return mError; }
  uint32_t GetErrorLength() const { return mErrorLength; }
  uint32_t GetErrorCapacity() const { return mErrorCapacity; }

  // Appends text; ZAVO_ADD_LAST_CHARS follows it with the last 16 bytes read.
  int AddToError(const char* text, TZavoAddLastChars mode);
  // Appends length bytes of text, then the last lastChars bytes read (0 for none). The
  // buffer grows in steps of 128 bytes; HES_E_NO_MEMORY adds nothing.
  int AddToErrorByLength(const char* text, uint32_t length, uint32_t lastChars);
  // Appends ". Last chars read: '" + up to count bytes ending at the position + "'", each byte
  // outside 0x20..0x7E shown as ".".
  int AddLastCharsToError(uint32_t count);

  // Reads one value of any supported kind and drops it (unknown members and list items).
  int SkipValue();

 private:
  CZavoInput& mInput;
  char* mError = nullptr;
  uint32_t mErrorLength = 0;
  uint32_t mErrorCapacity = 0;
  uint32_t mSkipDepth = 0;
};
