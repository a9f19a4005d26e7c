// SPtr<T>: the intrusive smart pointer every library passes across its boundaries.
//
// T only needs callable AddRef() and Release(); the object carries its own count and deletes
// itself when the last reference goes. The layout is one pointer, so SPtr crosses shared-library
// boundaries by value:
//
//   SPtr<CZvInteger> n = CZvInteger::valueOf(7);   // count 1
//   SPtr<CZvInteger> m = n;                         // count 2, one object
#pragma once

template <class T>
class SPtr {
 public:
  SPtr() = default;
  SPtr(T* p) : mPtr(p) {  // NOLINT: implicit, as factories return raw new objects
    if (mPtr != nullptr) mPtr->AddRef();
  }
  SPtr(const SPtr& other) : SPtr(other.mPtr) {}
  ~SPtr() { Reset(); }

  SPtr& operator=(const SPtr& other) { return *this = other.mPtr; }
  SPtr& operator=(T* p) {
    if (p == mPtr) return *this;
    Reset();
    if (p != nullptr) p->AddRef();
    mPtr = p;
    return *this;
  }

  // No null checks: dereferencing a null SPtr is a caller error.
  T* operator->() const { return mPtr; }
  T& operator*() const { return *mPtr; }
  T* Get() const { return mPtr; }
  bool IsNull() const { return mPtr == nullptr; }
  explicit operator bool() const { return mPtr != nullptr; }

  friend bool operator==(const SPtr& a, const SPtr& b) { return a.mPtr == b.mPtr; }

 private:
  void Reset() {
    if (mPtr != nullptr) {
      T* old = mPtr;
      mPtr = nullptr;
      old->Release();
    }
  }

  T* mPtr = nullptr;
};
