// CZvDynamicArray: the untyped, growable storage under the typed arrays (see CZvArray).
#pragma once

#include <corekit/corekit_export.h>

#include <cstdint>

namespace zvlang {

// One block of mCapacity elements of mElementSize bytes, of which the first mSize are in use.
// Elements are moved as raw bytes and never constructed, copied or destroyed here: that is the
// typed array's business. Growth adds 16 elements of slack beyond the need; index errors throw
// ArrayIndexOutOfBoundsException with "Index: i, Length: n" and the like.
class COREKIT_EXPORT CZvDynamicArray {
 public:
  CZvDynamicArray(const CZvDynamicArray&) = delete;
  CZvDynamicArray& operator=(const CZvDynamicArray&) = delete;

  int size() const;
  bool isEmpty() const;
  // Gives back the unused capacity; a failed allocation changes nothing and is not reported.
  void trimToSize() const;

 protected:
  explicit CZvDynamicArray(int elementSize);
  ~CZvDynamicArray();

  // Allocates the first block; false (and no change) when that fails. Called once.
  bool Construct(int capacity);
  // Room for n more elements: grows to mSize + n + 16 when they do not fit.
  void EnsureAtLeastFree(int n);
  // Grows to n elements, at least 16; OutOfMemoryError on failure, with nothing changed.
  void EnsureCapacity(int n);
  bool EnsureCapacityNoThrow(int n);
  void VerifyIndexForAdding(int i) const;
  void VerifyIndexForGetting(int i) const;
  void VerifyRange(int from, int to) const;

  int32_t mElementSize;
  mutable void* mData;
  int32_t mSize;
  mutable int32_t mCapacity;
};

}  // namespace zvlang
