// String := ("s" 0xFF 0xFF utf8[65535 units])* "S" count16 utf8[count units] | "N"
// Binary := ("b" 0xFF 0xFF byte[65535])* "B" count16 byte[count] | "N"
// Chunk counts are big-endian; a string chunk counts UTF-16 units, not bytes.
#include <msgcodec/hes_string.h>

#include <cstring>
#include <new>

namespace {

constexpr uint32_t kChunk = 0xFFFF;

uint32_t ReadBig16(const char* bytes) {
  return (uint32_t{static_cast<unsigned char>(bytes[0])} << 8) |
         static_cast<unsigned char>(bytes[1]);
}

// Decoded units of a string being read. Grows geometrically: a value of many chunks costs
// linear time, not one copy of everything gathered per chunk.
class UnitBuffer {
 public:
  UnitBuffer() = default;
  ~UnitBuffer() { delete[] mUnits; }
  UnitBuffer(const UnitBuffer&) = delete;
  UnitBuffer& operator=(const UnitBuffer&) = delete;

  bool Reserve(uint64_t units) {
    if (units <= mCapacity) return true;
    uint64_t capacity = mCapacity == 0 ? units : uint64_t{mCapacity} * 2;
    if (capacity < units) capacity = units;
    if (capacity > UINT32_MAX / sizeof(char16_t)) capacity = units;
    if (capacity > UINT32_MAX / sizeof(char16_t)) return false;
    char16_t* grown = new (std::nothrow) char16_t[capacity];
    if (grown == nullptr) return false;
    if (mSize > 0) std::memcpy(grown, mUnits, mSize * sizeof(char16_t));
    delete[] mUnits;
    mUnits = grown;
    mCapacity = static_cast<uint32_t>(capacity);
    return true;
  }
  // REQUIRES: room reserved.
  void Push(char16_t unit) { mUnits[mSize++] = unit; }
  // REQUIRES: room reserved; every byte is ASCII.
  void PushAscii(const char* bytes, uint32_t count) {
    char16_t* at = mUnits + mSize;
    for (uint32_t i = 0; i < count; ++i) at[i] = static_cast<unsigned char>(bytes[i]);
    mSize += count;
  }
  uint32_t Size() const { return mSize; }
  uint32_t Capacity() const { return mCapacity; }
  const char16_t* Units() const { return mUnits; }
  char16_t* Take() {
    char16_t* units = mUnits;
    mUnits = nullptr;
    mSize = mCapacity = 0;
    return units;
  }

 private:
  char16_t* mUnits = nullptr;
  uint32_t mSize = 0;
  uint32_t mCapacity = 0;
};

bool IsContinuation(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

// One character of UTF-8 into one UTF-16 unit. Failures carry no last chars.
int DecodeUtf8(CZavoInputParse& parse, char16_t& unit) {
  CZavoInput& input = parse.Input();
  char leadByte = 0;
  input.ReadByte(leadByte);  // REQUIRES: a byte remains
  const unsigned char lead = static_cast<unsigned char>(leadByte);
  const char* more;
  if (lead <= 0x7F) {
    unit = lead;
  } else if ((lead & 0xE0) == 0xC0) {
    if (input.Extract(more, 1) != HES_OK) {
      parse.AddToError("Corrupted utf8: Sequence terminated in the middle of a 2-byte char",
                       ZAVO_NO_LAST_CHARS);
      return HES_E_FORMAT;
    }
    if (!IsContinuation(more[0])) {
      parse.AddToError(
          "Corrupted utf8: Format of second byte in a two-byte encoding is not 10zzzzzz",
          ZAVO_NO_LAST_CHARS);
      return HES_E_FORMAT;
    }
    unit = static_cast<char16_t>(((lead & 0x1F) << 6) | (more[0] & 0x3F));
  } else if ((lead & 0xF0) == 0xE0) {
    if (input.Extract(more, 2) != HES_OK) {
      parse.AddToError("Corrupted utf8: Sequence terminated in the middle of a 3-byte char",
                       ZAVO_NO_LAST_CHARS);
      return HES_E_FORMAT;
    }
    if (!IsContinuation(more[0]) || !IsContinuation(more[1])) {
      parse.AddToError(
          "Corrupted utf8: Format of second or third byte in a three-byte encoding is not "
          "10zzzzzz",
          ZAVO_NO_LAST_CHARS);
      return HES_E_FORMAT;
    }
    unit =
        static_cast<char16_t>(((lead & 0x0F) << 12) | ((more[0] & 0x3F) << 6) | (more[1] & 0x3F));
  } else if ((lead & 0xF8) == 0xF0) {
    parse.AddToError("utf8: Unicode value greater than 0xFFFF not supported yet",
                     ZAVO_NO_LAST_CHARS);
    return HES_E_FORMAT;
  } else {
    parse.AddToError("Corrupted utf8: Unsupported leading byte", ZAVO_NO_LAST_CHARS);
    return HES_E_FORMAT;
  }
  return HES_OK;
}

}  // namespace

// ---- CZavoHesString ----

CZavoHesString::~CZavoHesString() { Release(); }

void CZavoHesString::Release() {
  if (mOwnsData && mData != nullptr) delete[] mData;
  mData = nullptr;
  mLength = 0;
  mOwnsData = false;
}

void CZavoHesString::Adopt(char16_t* data, uint32_t length, bool owns) {
  mData = data;
  mLength = length;
  mOwnsData = owns;
}

int CZavoHesString::SetNull(bool null) {
  mIsNull = null;
  return HES_OK;
}

int CZavoHesString::Copy(const char16_t* text, uint32_t length) {
  if (text == nullptr) length = 0;
  char16_t* copy = nullptr;
  if (length > 0) {
    copy = new (std::nothrow) char16_t[length];
    if (copy == nullptr) return HES_E_NO_MEMORY;
    std::memcpy(copy, text, length * sizeof(char16_t));
  }
  Release();
  Adopt(copy, length, true);
  return SetNull(text == nullptr);
}

int CZavoHesString::Copy(const char16_t* text) {
  uint64_t length = 0;
  if (text != nullptr) {
    while (text[length] != 0) {
      if (++length > UINT32_MAX) return HES_E_BAD_ARGUMENT;
    }
  }
  return Copy(text, static_cast<uint32_t>(length));
}

int CZavoHesString::Copy(const char* text, uint32_t length) {
  if (text == nullptr) length = 0;
  char16_t* copy = nullptr;
  if (length > 0) {
    copy = new (std::nothrow) char16_t[length];
    if (copy == nullptr) return HES_E_NO_MEMORY;
    for (uint32_t i = 0; i < length; ++i) copy[i] = static_cast<unsigned char>(text[i]);
  }
  Release();
  Adopt(copy, length, true);
  return SetNull(text == nullptr);
}

int CZavoHesString::Copy(const char* text) {
  const size_t length = text == nullptr ? 0 : std::strlen(text);
  if (length > UINT32_MAX) return HES_E_BAD_ARGUMENT;
  return Copy(text, static_cast<uint32_t>(length));
}

void CZavoHesString::SetExternal(const char16_t* text, uint32_t length) {
  Release();
  Adopt(const_cast<char16_t*>(text), text == nullptr ? 0 : length, false);
  SetNull(text == nullptr);
}

int CZavoHesString::Serialize(CZavoOutput& output) const {
  const uint32_t saved = output.DataSize();
  const int rc = DoSerialize(output);
  if (rc != HES_OK && output.DataSize() >= saved) output.SetDataSize(saved);
  return rc;
}

int CZavoHesString::DoSerialize(CZavoOutput& output) const {
  if (mIsNull) return output.Append('N');
  const char16_t* units = mData;
  uint32_t remaining = mLength;
  int rc;
  while (remaining > kChunk) {
    if ((rc = output.Append("s\xFF\xFF", 3)) != HES_OK) return rc;
    if ((rc = output.WriteUtf8(units, kChunk)) != HES_OK) return rc;
    units += kChunk;
    remaining -= kChunk;
  }
  if ((rc = output.Append('S')) != HES_OK) return rc;
  if ((rc = output.WriteUInt16(remaining)) != HES_OK) return rc;
  return output.WriteUtf8(units, remaining);
}

int CZavoHesString::Deserialize(CZavoInputParse& parse) {
  CZavoInput& input = parse.Input();
  char marker = 0;
  if (input.ReadByte(marker) != HES_OK) {
    parse.AddToError("Failed to read string value", ZAVO_ADD_LAST_CHARS);
    return HES_E_NO_DATA;
  }
  if (marker == 'N') {
    Release();
    return SetNull(true);
  }
  UnitBuffer gathered;
  for (;;) {
    if (marker != 'S' && marker != 's') {
      parse.AddToError("Expected string ('S', 's' or 'N') but got something else",
                       ZAVO_ADD_LAST_CHARS);
      return HES_E_FORMAT;
    }
    const char* countBytes;
    if (input.Extract(countBytes, 2) != HES_OK) {
      parse.AddToError("Failed to read length of string value", ZAVO_ADD_LAST_CHARS);
      return HES_E_NO_DATA;
    }
    const uint32_t count = ReadBig16(countBytes);
    // Every unit takes at least one byte: room beyond what the input holds is never needed.
    const uint32_t remaining = input.Remaining();
    if (!gathered.Reserve(uint64_t{gathered.Size()} + (count < remaining ? count : remaining))) {
      parse.AddToError("Internal error: failed to store string data", ZAVO_ADD_LAST_CHARS);
      return HES_E_NO_MEMORY;
    }
    for (uint32_t i = 0; i < count;) {
      // Runs of ASCII straight through; everything else by DecodeUtf8.
      const uint32_t left = input.Remaining();
      const uint32_t most = count - i < left ? count - i : left;
      const char* ascii;
      if (most > 0 && input.GetDataAt(ascii, input.GetNumExtracted(), most) == HES_OK) {
        uint32_t run = 0;
        while (run < most && static_cast<unsigned char>(ascii[run]) <= 0x7F) ++run;
        if (run > 0) {
          gathered.PushAscii(ascii, run);
          input.Extract(ascii, run);
          i += run;
          continue;
        }
      }
      ++i;
      if (left == 0) {
        parse.AddToError("Failed to read string value", ZAVO_ADD_LAST_CHARS);
        return HES_E_NO_DATA;
      }
      char16_t unit;
      const int rc = DecodeUtf8(parse, unit);
      if (rc != HES_OK) return rc;
      gathered.Push(unit);
    }
    if (marker == 'S') break;
    if (input.ReadByte(marker) != HES_OK) {
      parse.AddToError("Expected next block of string data, but got something else",
                       ZAVO_ADD_LAST_CHARS);
      return HES_E_NO_DATA;
    }
  }
  const uint32_t length = gathered.Size();
  char16_t* units = nullptr;
  if (length > 0 && gathered.Capacity() == length) {
    units = gathered.Take();
  } else if (length > 0) {
    units = new (std::nothrow) char16_t[length];
    if (units == nullptr) {
      parse.AddToError("Failed to allocate data for decoding string", ZAVO_NO_LAST_CHARS);
      return HES_E_NO_MEMORY;
    }
    std::memcpy(units, gathered.Units(), length * sizeof(char16_t));
  }
  Release();
  Adopt(units, length, true);
  return SetNull(false);
}

// ---- CZavoHesBinary ----

CZavoHesBinary::~CZavoHesBinary() { Release(); }

void CZavoHesBinary::Release() {
  if (mOwnsData && mData != nullptr) delete[] mData;
  mData = nullptr;
  mLength = 0;
  mOwnsData = false;
}

void CZavoHesBinary::Adopt(char* data, uint32_t length, bool owns) {
  mData = data;
  mLength = length;
  mOwnsData = owns;
}

int CZavoHesBinary::SetNull(bool null) {
  mIsNull = null;
  return HES_OK;
}

int CZavoHesBinary::Copy(const char* bytes, uint32_t length) {
  if (bytes == nullptr) length = 0;
  char* copy = nullptr;
  if (length > 0) {
    copy = new (std::nothrow) char[length];
    if (copy == nullptr) return HES_E_NO_MEMORY;
    std::memcpy(copy, bytes, length);
  }
  Release();
  Adopt(copy, length, true);
  return SetNull(bytes == nullptr);
}

void CZavoHesBinary::SetExternal(const char* bytes, uint32_t length) {
  Release();
  Adopt(const_cast<char*>(bytes), bytes == nullptr ? 0 : length, false);
  SetNull(bytes == nullptr);
}

int CZavoHesBinary::Serialize(CZavoOutput& output) const {
  const uint32_t saved = output.DataSize();
  const int rc = DoSerialize(output);
  if (rc != HES_OK && output.DataSize() >= saved) output.SetDataSize(saved);
  return rc;
}

int CZavoHesBinary::DoSerialize(CZavoOutput& output) const {
  if (mIsNull) return output.Append('N');
  const char* bytes = mData;
  uint32_t remaining = mLength;
  int rc;
  while (remaining > kChunk) {
    if ((rc = output.Append("b\xFF\xFF", 3)) != HES_OK) return rc;
    if ((rc = output.Append(bytes, kChunk)) != HES_OK) return rc;
    bytes += kChunk;
    remaining -= kChunk;
  }
  if ((rc = output.Append('B')) != HES_OK) return rc;
  if ((rc = output.WriteUInt16(remaining)) != HES_OK) return rc;
  return output.Append(bytes, remaining);
}

int CZavoHesBinary::Deserialize(CZavoInputParse& parse) {
  CZavoInput& input = parse.Input();
  char marker = 0;
  if (input.ReadByte(marker) != HES_OK) {
    parse.AddToError("Failed to read binary value", ZAVO_ADD_LAST_CHARS);
    return HES_E_NO_DATA;
  }
  if (marker == 'N') {
    Release();
    return SetNull(true);
  }
  CZavoOutput gathered(512);
  for (;;) {
    if (marker != 'B' && marker != 'b') {
      parse.AddToError("Expected binary ('B', 'b' or 'N') but got something else",
                       ZAVO_ADD_LAST_CHARS);
      return HES_E_FORMAT;
    }
    const char* countBytes;
    if (input.Extract(countBytes, 2) != HES_OK) {
      parse.AddToError("Failed to read length of binary value", ZAVO_ADD_LAST_CHARS);
      return HES_E_NO_DATA;
    }
    const uint32_t count = ReadBig16(countBytes);
    const char* bytes;
    if (input.Extract(bytes, count) != HES_OK) {
      parse.AddToError("Failed to read binary value", ZAVO_ADD_LAST_CHARS);
      return HES_E_NO_DATA;
    }
    // Geometric growth: a value of many chunks is copied a bounded number of times.
    int rc = HES_OK;
    const uint32_t size = gathered.DataSize();
    if (gathered.Capacity() - size < count) {
      uint64_t capacity = uint64_t{gathered.Capacity()} * 2;
      if (capacity < uint64_t{size} + count) capacity = uint64_t{size} + count;
      if (capacity > UINT32_MAX) capacity = uint64_t{size} + count;
      rc = capacity > UINT32_MAX ? HES_E_NO_MEMORY
                                 : gathered.Reserve(static_cast<uint32_t>(capacity));
    }
    if (rc == HES_OK) rc = gathered.Append(bytes, count);
    if (rc != HES_OK) {
      parse.AddToError("Internal error: failed to store binary data", ZAVO_ADD_LAST_CHARS);
      return rc;
    }
    if (marker == 'B') break;
    if (input.ReadByte(marker) != HES_OK) {
      parse.AddToError("Expected next block of binary data, but got something else",
                       ZAVO_ADD_LAST_CHARS);
      return HES_E_NO_DATA;
    }
  }
  // The gathered buffer becomes the value without a further copy.
  gathered.SetDeleteDataAtDestruction(false);
  Release();
  Adopt(const_cast<char*>(gathered.Data()), gathered.DataSize(), true);
  return SetNull(false);
}
