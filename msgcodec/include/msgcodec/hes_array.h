// Typed Hessian 1.0 lists: "V" "t" "[item-type" "l" count items "z".
//
//   CZavoHesArray<zavo::cl::MeasureReq> list;
//   auto* item = new zavo::cl::MeasureReq;
//   if (list.Add(*item) != HES_OK) delete item;   // on success the list owns the item
#pragma once

#include <msgcodec/hes_class.h>
#include <msgcodec/hes_object.h>

#include <cstdint>
#include <new>

class MSGCODEC_EXPORT CZavoHesArrayBase : public CZavoHesObject {
 public:
  CZavoHesArrayBase() = default;
  // Deletes the items, then the slots.
  ~CZavoHesArrayBase() override;
  CZavoHesArrayBase(const CZavoHesArrayBase&) = delete;
  CZavoHesArrayBase& operator=(const CZavoHesArrayBase&) = delete;

  int Serialize(CZavoOutput& output) const override;
  // Reads a list whose item type is ItemNamespace() "." ItemClassName() (any type when the
  // verify flag is off). The count is trusted: items are read until it is reached or the
  // input fails; after a failure the list is empty.
  int Deserialize(CZavoInputParse& parse) override;
  int SetNull(bool null) override;

  virtual const CZavoHesName& ItemNamespace() const = 0;
  virtual const CZavoHesName& ItemClassName() const = 0;
  // A new default item; HES_E_NO_MEMORY when it cannot be allocated.
  virtual int CreateItem(CZavoHesObject*& item) = 0;

  int Count() const { return mCount; }
  int Capacity() const { return mCapacity; }
  // Ensures room for slots items.
  int AllocateAtLeast(int slots);
  // Deletes every item (last first); the list is empty and not null, the capacity stays.
  void Reset();

 protected:
  // Deserialize up to the items: "N" (the list becomes null, count 0) or "V" "t" "[" type "l"
  // count, the item type checked when the verify flag is set. itemType points at the received
  // type after "[" (inside the input). A negative count is refused.
  int ReadListStart(CZavoInputParse& parse, CZavoHesName& itemType, int32_t& count);
  // The list's closing "z".
  int ReadListEnd(CZavoInputParse& parse);

  // Takes ownership of item (allocated with new); on failure the item is not taken.
  int Add(CZavoHesObject& item);
  CZavoHesObject* GetAt(int index) const;

  bool mVerifyItemClass = true;

 private:
  CZavoHesObject** mItems = nullptr;
  int32_t mCount = 0;
  int32_t mCapacity = 0;
};

// T provides a default constructor and the static names mNamespace and mClassName (those of
// ZAVO_HES_CLASS, or of CZavoHesSkipObject).
template <class T>
class CZavoHesArray : public CZavoHesArrayBase {
 public:
  const CZavoHesName& ItemNamespace() const override { return T::mNamespace; }
  const CZavoHesName& ItemClassName() const override { return T::mClassName; }
  int CreateItem(CZavoHesObject*& item) override {
    T* created = new (std::nothrow) T;
    if (created == nullptr) return HES_E_NO_MEMORY;
    item = created;
    return HES_OK;
  }

  // Takes ownership of item, which must come from new; HES_E_NO_MEMORY leaves it the caller's.
  int Add(T& item) { return CZavoHesArrayBase::Add(item); }
  // Null when index is out of range.
  T* GetAt(int index) { return static_cast<T*>(CZavoHesArrayBase::GetAt(index)); }
  const T* GetAt(int index) const { return static_cast<const T*>(CZavoHesArrayBase::GetAt(index)); }
};

// Reads a list of any item type and drops every item.
class MSGCODEC_EXPORT CZavoHesSkipArray : public CZavoHesArray<CZavoHesSkipObject> {
 public:
  CZavoHesSkipArray() { mVerifyItemClass = false; }
};
