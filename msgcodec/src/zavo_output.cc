#include <msgcodec/zavo_output.h>

#include <cstring>
#include <new>

CZavoOutput::CZavoOutput(uint32_t growBy) : mGrowBy(growBy == 0 ? 1 : growBy) {}

CZavoOutput::~CZavoOutput() {
  if (mData != nullptr && mDeleteData) delete[] mData;
}

int CZavoOutput::Grow(const char* bytes, uint32_t length) {
  // The free space grows by whole growth steps until the bytes fit.
  const uint32_t free = mCapacity - mSize;
  const uint64_t missing = uint64_t{length} - free;
  const uint64_t steps = (missing + mGrowBy - 1) / mGrowBy;
  const uint64_t capacity = uint64_t{mSize} + free + steps * mGrowBy;
  if (capacity > UINT32_MAX) return HES_E_NO_MEMORY;
  const int rc = Reserve(static_cast<uint32_t>(capacity));
  if (rc != HES_OK) return rc;
  std::memcpy(mData + mSize, bytes, length);
  mSize += length;
  return HES_OK;
}

int CZavoOutput::Reserve(uint32_t capacity) {
  if (capacity <= mCapacity) return HES_OK;
  char* data = new (std::nothrow) char[capacity];
  if (data == nullptr) return HES_E_NO_MEMORY;
  if (mSize > 0) std::memcpy(data, mData, mSize);
  if (mData != nullptr && mDeleteData) delete[] mData;
  mData = data;
  mCapacity = capacity;
  return HES_OK;
}

int CZavoOutput::SetDataSize(uint32_t size) {
  if (size > mSize) return HES_E_BAD_ARGUMENT;
  mSize = size;
  return HES_OK;
}

int CZavoOutput::WriteUtf8(const char16_t* units, uint32_t count) {
  if (count == 0) return HES_OK;
  // With room for the longest form, straight into the buffer.
  if (uint64_t{count} * 3 <= mCapacity - mSize) {
    char* at = mData + mSize;
    for (uint32_t i = 0; i < count; ++i) {
      const uint32_t unit = units[i];
      if (unit <= 0x7F) {
        *at++ = static_cast<char>(unit);
      } else if (unit <= 0x7FF) {
        *at++ = static_cast<char>(0xC0 | (unit >> 6));
        *at++ = static_cast<char>(0x80 | (unit & 0x3F));
      } else if (unit >= 0xD800 && unit <= 0xDFFF) {
        mSize = static_cast<uint32_t>(at - mData);
        return HES_E_NOT_SUPPORTED;
      } else {
        *at++ = static_cast<char>(0xE0 | (unit >> 12));
        *at++ = static_cast<char>(0x80 | ((unit >> 6) & 0x3F));
        *at++ = static_cast<char>(0x80 | (unit & 0x3F));
      }
    }
    mSize = static_cast<uint32_t>(at - mData);
    return HES_OK;
  }
  // Encoded through a small block so that each append carries many bytes; a unit is never
  // split across blocks.
  char block[768];
  uint32_t used = 0;
  for (uint32_t i = 0; i < count; ++i) {
    if (used > sizeof(block) - 3) {
      int rc = Append(block, used);
      if (rc != HES_OK) return rc;
      used = 0;
    }
    const uint32_t unit = units[i];
    if (unit <= 0x7F) {
      block[used++] = static_cast<char>(unit);
    } else if (unit <= 0x7FF) {
      block[used++] = static_cast<char>(0xC0 | (unit >> 6));
      block[used++] = static_cast<char>(0x80 | (unit & 0x3F));
    } else if (unit >= 0xD800 && unit <= 0xDFFF) {
      int rc = Append(block, used);
      return rc != HES_OK ? rc : HES_E_NOT_SUPPORTED;
    } else {
      block[used++] = static_cast<char>(0xE0 | (unit >> 12));
      block[used++] = static_cast<char>(0x80 | ((unit >> 6) & 0x3F));
      block[used++] = static_cast<char>(0x80 | (unit & 0x3F));
    }
  }
  return Append(block, used);
}
