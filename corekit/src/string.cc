#include <corekit/string.h>
#include <corekit/throwable.h>

#include <cstdint>
#include <cstring>
#include <cwctype>
#include <new>
#include <string>

namespace zvlang {

namespace {

// A capacity that fits a body, or OutOfMemoryError: no size may wrap around.
int Capacity(int64_t units) {
  if (units < 0 || units > INT32_MAX) OutOfMemoryError::ThrowInstance();
  return static_cast<int>(units);
}

// A new body holding units, or OutOfMemoryError.
SPtr<CZvStringBody> NewBody(int64_t capacity, const char16_t* units, int count) {
  SPtr<CZvStringBody> body(CZvStringBody::CreateOrThrow(Capacity(capacity)));
  body->Append(units, count);
  return body;
}

SPtr<CZvStringBody> NewNumberBody(int64_t value) {
  SPtr<CZvStringBody> body(CZvStringBody::CreateOrThrow(20));
  body->mLength = CZvStringBody::FormatNumber(value, body->mData);
  return body;
}

char16_t Lower(char16_t c) {
  std::wint_t r = std::towlower(c);
  return r > 0xFFFF ? c : static_cast<char16_t>(r);
}

char16_t Upper(char16_t c) {
  std::wint_t r = std::towupper(c);
  return r > 0xFFFF ? c : static_cast<char16_t>(r);
}

bool IsSpace(char16_t c) { return std::iswspace(c) != 0; }

// One or two units of a code point; 0 when it has none.
int EncodeCodePoint(int codePoint, char16_t* units) {
  unsigned int cp = static_cast<unsigned int>(codePoint);
  if (cp > 0x10FFFF) return 0;
  if (cp <= 0xFFFF) {
    units[0] = static_cast<char16_t>(cp);
    return 1;
  }
  units[0] = static_cast<char16_t>((((cp - 0x10000) & 0xFFC00) >> 10) + 0xD800);
  units[1] = static_cast<char16_t>((cp & 0x3FF) + 0xDC00);
  return 2;
}

template <class Map>
int Compare(const CZvString& a, const CZvString& b, Map map) {
  const int n = a.length() < b.length() ? a.length() : b.length();
  const char16_t* pa = a.Ptr();
  const char16_t* pb = b.Ptr();
  for (int i = 0; i < n; ++i) {
    int ca = map(pa[i]);
    int cb = map(pb[i]);
    if (ca != cb) return ca - cb;
  }
  if (a.length() < b.length()) return -1;
  return a.length() > b.length() ? 1 : 0;
}

}  // namespace

CZvString::CZvString() : mBody(CZvStringBody::CreateOrThrow(64)) {}

CZvString::CZvString(const CZvString& other) : CharSequence(), mBody(other.mBody) {}

CZvString::CZvString(const char16_t* text) {
  size_t length = std::char_traits<char16_t>::length(text);
  if (length >= INT32_MAX) OutOfMemoryError::ThrowInstance();
  const int n = static_cast<int>(length);
  mBody = NewBody(int64_t{n} + 1, text, n);
}

CZvString::CZvString(const char16_t* text, int count)
    : mBody(NewBody(int64_t{count} + 1, text, count)) {}

CZvString::CZvString(const char16_t* text, int offset, int count)
    : mBody(NewBody(int64_t{count} + 1, text + offset, count)) {}

CZvString::CZvString(bool value) : mBody(NewBody(5, value ? u"true" : u"false", value ? 4 : 5)) {}

CZvString::CZvString(char16_t c) : mBody(NewBody(1, &c, 1)) {}
CZvString::CZvString(char value) : mBody(NewNumberBody(value)) {}
CZvString::CZvString(short value) : mBody(NewNumberBody(value)) {}
CZvString::CZvString(int value) : mBody(NewNumberBody(value)) {}
CZvString::CZvString(long value) : mBody(NewNumberBody(value)) {}
CZvString::CZvString(long long value) : mBody(NewNumberBody(value)) {}

CZvString::CZvString(double value) : mBody(CZvStringBody::CreateOrThrow(20)) {
  mBody->mLength = CZvStringBody::FormatNumber(value, mBody->mData);
}

CZvString::CZvString(const CZvString& a, const CZvString& b)
    : mBody(CZvStringBody::CreateOrThrow(Capacity(int64_t{a.length()} + b.length() + 1))) {
  mBody->Append(a.Ptr(), a.length());
  mBody->Append(b.Ptr(), b.length());
}

CZvString::CZvString(const CZvStringBody& body) : mBody(const_cast<CZvStringBody*>(&body)) {}

CZvString::~CZvString() = default;

int CZvString::length() const { return mBody->mLength; }

char16_t CZvString::charAt(int index) const {
  if (index < 0 || index >= mBody->mLength) throw IndexOutOfBoundsException();
  return mBody->mData[index];
}

CharSequence* CZvString::subSequence(int start, int end) const {
  CZvString part = substring(start, end);
  CZvString* result = new (std::nothrow) CZvString(part);
  if (result == nullptr) OutOfMemoryError::ThrowInstance();
  return result;
}

void CZvString::Release() { delete this; }

bool CZvString::isEmpty() const { return length() == 0; }

int CZvString::compareTo(const CZvString& other) const {
  return Compare(*this, other, [](char16_t c) { return static_cast<int>(c); });
}

int CZvString::compareToIgnoreCase(const CZvString& other) const {
  return Compare(*this, other, [](char16_t c) { return static_cast<int>(Lower(c)); });
}

bool CZvString::equals(const CZvString& other) const { return compareTo(other) == 0; }

bool CZvString::equalsIgnoreCase(const CZvString& other) const {
  return compareToIgnoreCase(other) == 0;
}

bool CZvString::startsWith(const CZvString& prefix) const { return startsWith(prefix, 0); }

bool CZvString::startsWith(const CZvString& prefix, int offset) const {
  if (offset < 0 || int64_t{offset} + prefix.length() > length()) return false;
  return std::memcmp(Ptr() + offset, prefix.Ptr(), prefix.length() * sizeof(char16_t)) == 0;
}

bool CZvString::endsWith(const CZvString& suffix) const {
  if (suffix.length() > length()) return false;
  return std::memcmp(Ptr() + length() - suffix.length(), suffix.Ptr(),
                     suffix.length() * sizeof(char16_t)) == 0;
}

int CZvString::indexOf(int codePoint) const { return indexOf(codePoint, 0); }

int CZvString::indexOf(int codePoint, int from) const {
  char16_t units[2];
  int n = EncodeCodePoint(codePoint, units);
  return n == 0 ? -1 : mBody->Find(units, n, from);
}

int CZvString::indexOf(const CZvString& pattern) const { return indexOf(pattern, 0); }

int CZvString::indexOf(const CZvString& pattern, int from) const {
  return mBody->Find(pattern.Ptr(), pattern.length(), from);
}

int CZvString::lastIndexOf(int codePoint) const { return lastIndexOf(codePoint, length()); }

int CZvString::lastIndexOf(int codePoint, int from) const {
  char16_t units[2];
  int n = EncodeCodePoint(codePoint, units);
  return n == 0 ? -1 : mBody->FindLast(units, n, from);
}

int CZvString::lastIndexOf(const CZvString& pattern) const {
  return lastIndexOf(pattern, length());
}

int CZvString::lastIndexOf(const CZvString& pattern, int from) const {
  return mBody->FindLast(pattern.Ptr(), pattern.length(), from);
}

CZvString CZvString::substring(int start) const {
  if (start < 0 || start > length()) throw StringIndexOutOfBoundsException(start);
  return CZvString(Ptr(), start, length() - start);
}

CZvString CZvString::substring(int start, int end) const {
  if (start < 0) throw StringIndexOutOfBoundsException(start);
  if (end > length()) throw StringIndexOutOfBoundsException(end);
  if (start > end) throw StringIndexOutOfBoundsException(end - start);
  return CZvString(Ptr(), start, end - start);
}

CZvString CZvString::concat(const CZvString& other) const {
  if (other.isEmpty()) return *this;
  return CZvString(*this, other);
}

CZvString CZvString::replace(char16_t oldUnit, char16_t newUnit) const {
  const char16_t* units = Ptr();
  const int len = length();
  int first = 0;
  while (first < len && units[first] != oldUnit) ++first;
  if (first == len) return *this;
  CZvString result(*CZvStringBody::CloneOrThrow(*mBody));
  char16_t* data = result.mBody->mData;
  for (int i = first; i < len; ++i) {
    if (data[i] == oldUnit) data[i] = newUnit;
  }
  return result;
}

CZvString CZvString::toLowerCase() const {
  CZvString result(*CZvStringBody::CloneOrThrow(*mBody));
  char16_t* data = result.mBody->mData;
  for (int i = 0; i < length(); ++i) data[i] = Lower(data[i]);
  return result;
}

CZvString CZvString::toUpperCase() const {
  CZvString result(*CZvStringBody::CloneOrThrow(*mBody));
  char16_t* data = result.mBody->mData;
  for (int i = 0; i < length(); ++i) data[i] = Upper(data[i]);
  return result;
}

CZvString CZvString::trim() const {
  const int len = length();
  if (len == 0) return *this;
  const char16_t* units = Ptr();
  if (!IsSpace(units[0]) && !IsSpace(units[len - 1])) return *this;
  CZvString result(*CZvStringBody::CloneOrThrow(*mBody));
  CZvStringBody& body = *result.mBody;
  int first = 0;
  while (first < len && IsSpace(units[first])) ++first;
  if (first == len) {
    body.mLength = 0;
    return result;
  }
  int last = len - 1;
  while (IsSpace(units[last])) --last;
  body.mLength = last - first + 1;
  if (first > 0) std::memmove(body.mData, body.mData + first, body.mLength * sizeof(char16_t));
  return result;
}

int CZvString::hashCode() const {
  uint32_t h = 0;
  const char16_t* units = Ptr();
  for (int i = 0; i < length(); ++i) h = h * 31u + units[i];
  return static_cast<int>(h);
}

void CZvString::getChars(int srcBegin, int srcEnd, char16_t* dst, int dstBegin) const {
  if (srcBegin < 0) throw StringIndexOutOfBoundsException(srcBegin);
  if (srcBegin > srcEnd) throw StringIndexOutOfBoundsException(srcEnd - srcBegin);
  if (srcEnd > length()) throw StringIndexOutOfBoundsException(srcEnd);
  if (dstBegin < 0) throw ArrayIndexOutOfBoundsException(dstBegin);
  if (srcEnd > srcBegin) {
    std::memcpy(dst + dstBegin, Ptr() + srcBegin, (srcEnd - srcBegin) * sizeof(char16_t));
  }
}

CZvString CZvString::toString() const { return *this; }

const char16_t* CZvString::c_str() const {
  mBody->mData[mBody->mLength] = 0;
  return mBody->mData;
}

const char16_t* CZvString::Ptr() const { return mBody->mData; }

CZvString& CZvString::operator=(const CZvString& other) {
  Copy(other);
  return *this;
}

void CZvString::Copy(const CZvString& other) { mBody = other.mBody; }

CZvString operator+(const CZvString& a, const CZvString& b) { return CZvString(a, b); }

ZvStringAdapter::ZvStringAdapter(const CZvString& value) : mRefCount(0), mValue(value) {}

SPtr<ZvStringAdapter> ZvStringAdapter::Create(const CZvString& value) {
  SPtr<ZvStringAdapter> adapter(new (std::nothrow) ZvStringAdapter(value));
  if (adapter.IsNull()) OutOfMemoryError::ThrowInstance();
  return adapter;
}

int ZvStringAdapter::AddRef() const { return ++mRefCount; }

int ZvStringAdapter::Release() const {
  int count = --mRefCount;
  if (count == 0) delete this;
  return count;
}

const CZvString& ZvStringAdapter::GetValue() const { return mValue; }

int ZvStringAdapter::hashCode() const { return mValue.hashCode(); }

bool ZvStringAdapter::equals(const ZvStringAdapter& other) const {
  return mValue.equals(other.mValue);
}

}  // namespace zvlang
