#include <corekit/dynamic_array.h>
#include <corekit/throwable.h>

#include <cstdint>
#include <cstring>
#include <new>

#include "text.h"

namespace zvlang {

namespace {

using internal::Join;

// A block of count elements, or null when it cannot be had (including a size too large).
void* NewBlock(int64_t count, int32_t elementSize) {
  if (count < 0) return nullptr;
  const uint64_t bytes = static_cast<uint64_t>(count) * static_cast<uint64_t>(elementSize);
  if (bytes > static_cast<uint64_t>(INT32_MAX)) return nullptr;
  return ::operator new(static_cast<size_t>(bytes), std::nothrow);
}

}  // namespace

CZvDynamicArray::CZvDynamicArray(int elementSize)
    : mElementSize(elementSize), mData(nullptr), mSize(0), mCapacity(0) {}

CZvDynamicArray::~CZvDynamicArray() {
  ::operator delete(mData);
  mData = nullptr;
  mSize = 0;
  mCapacity = 0;
}

int CZvDynamicArray::size() const { return mSize; }

bool CZvDynamicArray::isEmpty() const { return mSize == 0; }

bool CZvDynamicArray::Construct(int capacity) {
  void* block = NewBlock(capacity, mElementSize);
  if (block == nullptr) return false;
  ::operator delete(mData);
  mData = block;
  mCapacity = capacity;
  return true;
}

void CZvDynamicArray::EnsureAtLeastFree(int n) {
  const int free = mCapacity - mSize;
  if (n <= free) return;
  const int64_t wanted = int64_t{mSize} + n + 16;
  if (wanted > INT32_MAX) OutOfMemoryError::ThrowInstance();
  EnsureCapacity(static_cast<int>(wanted));
}

void CZvDynamicArray::EnsureCapacity(int n) {
  if (!EnsureCapacityNoThrow(n)) OutOfMemoryError::ThrowInstance();
}

bool CZvDynamicArray::EnsureCapacityNoThrow(int n) {
  if (n <= mCapacity) return true;
  const int newCapacity = n < 16 ? 16 : n;
  void* block = NewBlock(newCapacity, mElementSize);
  if (block == nullptr) return false;
  if (mSize > 0) std::memcpy(block, mData, static_cast<size_t>(mSize) * mElementSize);
  mCapacity = newCapacity;
  ::operator delete(mData);
  mData = block;
  return true;
}

void CZvDynamicArray::VerifyIndexForAdding(int i) const {
  if (i < 0 || i > mSize)
    throw ArrayIndexOutOfBoundsException(Join(u"Index: ", i, u", Length: ", mSize));
}

void CZvDynamicArray::VerifyIndexForGetting(int i) const {
  if (i < 0 || i >= mSize)
    throw ArrayIndexOutOfBoundsException(Join(u"Index: ", i, u", Length: ", mSize));
}

void CZvDynamicArray::VerifyRange(int from, int to) const {
  VerifyIndexForGetting(from);
  if (to > mSize)
    throw ArrayIndexOutOfBoundsException(Join(u"toIndex: ", to, u", Length: ", mSize));
  if (from > to) {
    throw ArrayIndexOutOfBoundsException(
        Join(u"fromIndex: ", from, u" is greater than toIndex: ", to));
  }
}

void CZvDynamicArray::trimToSize() const {
  if (mSize >= mCapacity) return;
  void* block = NewBlock(mSize, mElementSize);
  if (block == nullptr) return;
  if (mSize > 0) std::memcpy(block, mData, static_cast<size_t>(mSize) * mElementSize);
  ::operator delete(mData);
  mData = block;
  mCapacity = mSize;
}

}  // namespace zvlang
