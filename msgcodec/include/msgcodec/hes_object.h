// CZavoHesName: a borrowed wire name. CZavoHesObject: the root of every value that travels in
// a message.
#pragma once

#include <msgcodec/hes_result.h>
#include <msgcodec/msgcodec_export.h>
#include <msgcodec/zavo_input.h>
#include <msgcodec/zavo_output.h>

#include <cstdint>
#include <cstring>

// A name that is neither copied nor owned (not NUL-terminated). Namespace, class and member
// names are constants that live as long as the library:
//   static constexpr CZavoHesName kName{"zavo.cl", 7};
class MSGCODEC_EXPORT CZavoHesName {
 public:
  constexpr CZavoHesName(const char* text, uint32_t length) : mText(text), mLength(length) {}

  constexpr const char* Text() const { return mText; }
  constexpr uint32_t Length() const { return mLength; }
  constexpr bool IsEmpty() const { return mLength == 0; }

  // Byte by byte over the shorter length, bytes taken as signed chars; a prefix compares by
  // length.
  int Compare(const CZavoHesName& other) const;
  bool Equals(const char* text, uint32_t length) const {
    return length == mLength &&
           (length == 0 || (text[0] == mText[0] && std::memcmp(text, mText, length) == 0));
  }

 private:
  const char* mText;
  uint32_t mLength;
};

class MSGCODEC_EXPORT CZavoHesObject {
 public:
  CZavoHesObject() = default;
  CZavoHesObject(const CZavoHesObject&) = default;
  CZavoHesObject& operator=(const CZavoHesObject&) = default;
  virtual ~CZavoHesObject();

  // The root writes and reads nothing: HES_E_NOT_SUPPORTED.
  virtual int Serialize(CZavoOutput& output) const;
  virtual int Deserialize(CZavoInputParse& parse);
  // Values that can be null (strings, binaries, classes, lists) store the flag and return
  // HES_OK; the root, and so every scalar, refuses with HES_E_NOT_SUPPORTED.
  virtual int SetNull(bool null);

  bool IsNull() const { return mIsNull; }

 protected:
  bool mIsNull = false;
};
