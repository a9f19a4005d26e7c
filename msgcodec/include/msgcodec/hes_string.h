// CZavoHesString: UTF-16 text that travels as chunked UTF-8. CZavoHesBinary: bytes that travel
// in chunks. Both can be null, and either own their buffer or point at the caller's.
//
//   CZavoHesString ssid;            // null
//   ssid.Copy(u"Caf\u00e9", 4);     // owned copy, not null
//   ssid.SetExternal(text, n);      // borrowed: text must outlive the use
#pragma once

#include <msgcodec/hes_object.h>

#include <cstdint>

class MSGCODEC_EXPORT CZavoHesString : public CZavoHesObject {
 public:
  CZavoHesString() { mIsNull = true; }
  ~CZavoHesString() override;
  CZavoHesString(const CZavoHesString&) = delete;
  CZavoHesString& operator=(const CZavoHesString&) = delete;

  // Writes "N" or the chunked form; takes back a partial write on failure (a surrogate unit
  // thus writes nothing and fails with HES_E_NOT_SUPPORTED).
  int Serialize(CZavoOutput& output) const override;
  // The same bytes, without taking anything back.
  int DoSerialize(CZavoOutput& output) const;
  // On failure the earlier content and null state stay.
  int Deserialize(CZavoInputParse& parse) override;
  int SetNull(bool null) override;

  // Copies length units into a new owned buffer (none for length 0); null text makes the
  // string null. HES_E_NO_MEMORY keeps the old content.
  int Copy(const char16_t* text, uint32_t length);
  // Up to the first 0 unit.
  int Copy(const char16_t* text);
  // Each byte becomes one unit of the same value (Latin-1).
  int Copy(const char* text, uint32_t length);
  int Copy(const char* text);
  // Points at the caller's text without copying; the caller keeps it alive while in use.
  void SetExternal(const char16_t* text, uint32_t length);

  uint32_t Data(const char16_t*& text) const {
    text = mData;
    return mLength;
  }
  char16_t* GetData() { return mData; }
  uint32_t Length() const { return mLength; }
  bool OwnsData() const { return mOwnsData; }

 private:
  void Release();
  void Adopt(char16_t* data, uint32_t length, bool owns);

  char16_t* mData = nullptr;
  uint32_t mLength = 0;
  bool mOwnsData = false;
};

class MSGCODEC_EXPORT CZavoHesBinary : public CZavoHesObject {
 public:
  CZavoHesBinary() { mIsNull = true; }
  ~CZavoHesBinary() override;
  CZavoHesBinary(const CZavoHesBinary&) = delete;
  CZavoHesBinary& operator=(const CZavoHesBinary&) = delete;

  int Serialize(CZavoOutput& output) const override;
  int DoSerialize(CZavoOutput& output) const;
  int Deserialize(CZavoInputParse& parse) override;
  int SetNull(bool null) override;

  int Copy(const char* bytes, uint32_t length);
  void SetExternal(const char* bytes, uint32_t length);

  uint32_t Data(const char*& bytes) const {
    bytes = mData;
    return mLength;
  }
  char* GetData() { return mData; }
  uint32_t Length() const { return mLength; }
  bool OwnsData() const { return mOwnsData; }

 private:
  void Release();
  void Adopt(char* data, uint32_t length, bool owns);

  char* mData = nullptr;
  uint32_t mLength = 0;
  bool mOwnsData = false;
};
