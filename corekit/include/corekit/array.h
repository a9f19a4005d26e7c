// CZvArray<T>: a counted, growable array of T on CZvDynamicArray.
//
//   SPtr<CZvArray<SPtr<CZvInteger>>> list = CZvArray<SPtr<CZvInteger>>::Create();
//   list->add(CZvInteger::valueOf(7));
//   int seven = list->get(0)->intValue();
#pragma once

#include <corekit/dynamic_array.h>
#include <corekit/sptr.h>
#include <corekit/throwable.h>

#include <new>
#include <type_traits>

namespace zvlang {

// The base moves elements as raw bytes when it grows or trims, so an element type must stay
// valid when its bytes are moved to another address and the old bytes are forgotten (it holds
// no pointer into itself and registers its address nowhere). Trivially copyable types are; so
// is SPtr, a single pointer. Other types opt in by specialising this trait.
template <class T>
struct IsBytewiseRelocatable : std::is_trivially_copyable<T> {};
template <class U>
struct IsBytewiseRelocatable<SPtr<U>> : std::true_type {};

template <class T>
class CZvArray final : public CZvDynamicArray {
  static_assert(IsBytewiseRelocatable<T>::value,
                "CZvArray moves its elements as raw bytes; see IsBytewiseRelocatable");

 public:
  // Empty, count 0. Throws OutOfMemoryError.
  CZvArray() : CZvDynamicArray(static_cast<int>(sizeof(T))), mRefCount(0) {
    if (!Construct(0)) OutOfMemoryError::ThrowInstance();
  }
  ~CZvArray() { clear(); }

  // A new empty array, count 1. Throws OutOfMemoryError.
  static SPtr<CZvArray> Create() {
    SPtr<CZvArray> array(new (std::nothrow) CZvArray());
    if (array.IsNull()) OutOfMemoryError::ThrowInstance();
    return array;
  }

  int AddRef() const { return ++mRefCount; }
  int Release() const {
    int count = --mRefCount;
    if (count == 0) delete this;
    return count;
  }

  // Appends a copy of element. Throws OutOfMemoryError, and then the array is unchanged.
  void add(const T& element) {
    // element may live in this array's block, which growing frees: copy it out first.
    T copy(element);
    EnsureAtLeastFree(1);
    new (Slot(mSize)) T(static_cast<const T&>(copy));
    ++mSize;
  }

  // Throws ArrayIndexOutOfBoundsException unless 0 <= i < size().
  const T& get(int i) const {
    VerifyIndexForGetting(i);
    return *Slot(i);
  }
  T& get(int i) {
    VerifyIndexForGetting(i);
    return *Slot(i);
  }

  // Destroys the elements, last first; the capacity stays.
  void clear() {
    while (mSize > 0) {
      --mSize;
      Slot(mSize)->~T();
    }
  }

 private:
  T* Slot(int i) const { return static_cast<T*>(mData) + i; }

  mutable int32_t mRefCount;
};

}  // namespace zvlang
