#include <corekit/string_builder.h>
#include <corekit/throwable.h>

#include <memory>
#include <new>

#include "text.h"

namespace zvlang {

namespace {

using internal::Join;

// The units s[start, end) in a new array: a CharSequence is read one unit at a time.
std::unique_ptr<char16_t[]> Gather(const CharSequence& s, int start, int end) {
  std::unique_ptr<char16_t[]> units(new (std::nothrow) char16_t[end - start]);
  if (units == nullptr) OutOfMemoryError::ThrowInstance();
  for (int i = start; i < end; ++i) units[i - start] = s.charAt(i);
  return units;
}

}  // namespace

CZvStringBuilder::CZvStringBuilder() : mBody(CZvStringBody::CreateOrThrow(16)), mShared(false) {}

CZvStringBuilder::CZvStringBuilder(int capacity) : mShared(false) {
  if (capacity < 0) throw NegativeArraySizeException();
  mBody = CZvStringBody::CreateOrThrow(capacity);
}

CZvStringBuilder::CZvStringBuilder(const CZvString& s) : mBody(s.mBody), mShared(true) {}

CZvStringBuilder::~CZvStringBuilder() = default;

void CZvStringBuilder::UnShare() {
  if (!mShared) return;
  mBody = CZvStringBody::CloneOrThrow(*mBody);
  mShared = false;
}

int CZvStringBuilder::length() const { return mBody->mLength; }

int CZvStringBuilder::capacity() const { return mBody->mCapacity; }

char16_t CZvStringBuilder::charAt(int index) const {
  if (index < 0 || index >= mBody->mLength) throw IndexOutOfBoundsException();
  return mBody->mData[index];
}

CharSequence* CZvStringBuilder::subSequence(int start, int end) const {
  if (start < 0) throw StringIndexOutOfBoundsException(start);
  if (start > end) throw StringIndexOutOfBoundsException(end - start);
  if (end > length()) throw StringIndexOutOfBoundsException(end);
  CZvString part = substring(start, end);
  CZvString* result = new (std::nothrow) CZvString(part);
  if (result == nullptr) OutOfMemoryError::ThrowInstance();
  return result;
}

void CZvStringBuilder::Release() { delete this; }

CZvStringBuilder& CZvStringBuilder::append(const CharSequence& s, int start, int end) {
  if (start < 0) throw StringIndexOutOfBoundsException(start);
  if (start > end) throw StringIndexOutOfBoundsException(end - start);
  if (end > s.length()) throw StringIndexOutOfBoundsException(end);
  auto units = Gather(s, start, end);
  UnShare();
  mBody->Append(units.get(), end - start);
  return *this;
}

CZvStringBuilder& CZvStringBuilder::append(const CharSequence& s) {
  return append(s, 0, s.length());
}

CZvStringBuilder& CZvStringBuilder::append(char16_t c) {
  UnShare();
  mBody->Append(&c, 1);
  return *this;
}

CZvStringBuilder& CZvStringBuilder::append(bool b) {
  UnShare();
  mBody->Append(b ? u"true" : u"false", b ? 4 : 5);
  return *this;
}

CZvStringBuilder& CZvStringBuilder::append(const char16_t* text, int offset, int count) {
  UnShare();
  mBody->Append(text + offset, count);
  return *this;
}

CZvStringBuilder& CZvStringBuilder::append(const char16_t* text) { return append(CZvString(text)); }

CZvStringBuilder& CZvStringBuilder::append(const CZvString& s) {
  UnShare();
  mBody->Append(s.Ptr(), s.length());
  return *this;
}

CZvStringBuilder& CZvStringBuilder::append(int v) { return append(static_cast<long long>(v)); }

CZvStringBuilder& CZvStringBuilder::append(long v) { return append(static_cast<long long>(v)); }

CZvStringBuilder& CZvStringBuilder::append(long long v) {
  UnShare();
  mBody->AppendNumber(static_cast<int64_t>(v));
  return *this;
}

CZvStringBuilder& CZvStringBuilder::append(double v) {
  UnShare();
  mBody->AppendNumber(v);
  return *this;
}

CZvStringBuilder& CZvStringBuilder::insert(int offset, bool b) {
  UnShare();
  mBody->Insert(offset, b ? u"true" : u"false", b ? 4 : 5);
  return *this;
}

CZvStringBuilder& CZvStringBuilder::insert(int offset, char16_t c) {
  UnShare();
  mBody->Insert(offset, &c, 1);
  return *this;
}

CZvStringBuilder& CZvStringBuilder::insert(int offset, const char16_t* text, int textOffset,
                                           int count) {
  UnShare();
  mBody->Insert(offset, text + textOffset, count);
  return *this;
}

CZvStringBuilder& CZvStringBuilder::insert(int offset, const char16_t* text) {
  return insert(offset, CZvString(text));
}

CZvStringBuilder& CZvStringBuilder::insert(int offset, const CZvString& s) {
  UnShare();
  mBody->Insert(offset, s.Ptr(), s.length());
  return *this;
}

CZvStringBuilder& CZvStringBuilder::insert(int offset, int v) {
  return insert(offset, static_cast<long long>(v));
}

CZvStringBuilder& CZvStringBuilder::insert(int offset, long v) {
  return insert(offset, static_cast<long long>(v));
}

CZvStringBuilder& CZvStringBuilder::insert(int offset, long long v) {
  char16_t units[20];
  int n = CZvStringBody::FormatNumber(static_cast<int64_t>(v), units);
  UnShare();
  mBody->Insert(offset, units, n);
  return *this;
}

CZvStringBuilder& CZvStringBuilder::insert(int offset, double v) {
  char16_t units[20];
  int n = CZvStringBody::FormatNumber(v, units);
  UnShare();
  mBody->Insert(offset, units, n);
  return *this;
}

CZvStringBuilder& CZvStringBuilder::insert(int offset, const CharSequence& s) {
  return insert(offset, s, 0, s.length());
}

CZvStringBuilder& CZvStringBuilder::insert(int offset, const CharSequence& s, int start, int end) {
  if (start < 0) throw StringIndexOutOfBoundsException(Join(u"insert: Negative start: ", start));
  if (end < 0) throw StringIndexOutOfBoundsException(Join(u"insert: Negative end: ", end));
  if (start > end) {
    throw StringIndexOutOfBoundsException(
        Join(u"insert: start (", start, u") is greater than end (", end, u")"));
  }
  if (end > s.length()) {
    throw StringIndexOutOfBoundsException(
        Join(u"insert: end (", end, u") is greater than length (", s.length(), u")"));
  }
  mBody->VerifyInsertOffset(offset);
  auto units = Gather(s, start, end);
  UnShare();
  mBody->Insert(offset, units.get(), end - start);
  return *this;
}

void CZvStringBuilder::setCharAt(int index, char16_t c) {
  UnShare();
  mBody->SetCharAt(index, c);
}

void CZvStringBuilder::setLength(int n) {
  UnShare();
  mBody->SetLength(n);
}

void CZvStringBuilder::ensureCapacity(int n) {
  UnShare();
  mBody->Grow(n);
}

void CZvStringBuilder::trimToSize() const { mBody->TrimToSize(); }

CZvStringBuilder& CZvStringBuilder::deleteRange(int start, int end) {
  UnShare();
  mBody->DeleteRange(start, end);
  return *this;
}

CZvStringBuilder& CZvStringBuilder::deleteCharAt(int index) {
  UnShare();
  mBody->DeleteCharAt(index);
  return *this;
}

CZvStringBuilder& CZvStringBuilder::replace(int start, int end, const CZvString& s) {
  UnShare();
  mBody->Replace(start, end, s);
  return *this;
}

CZvStringBuilder& CZvStringBuilder::reverse() {
  UnShare();
  mBody->Reverse();
  return *this;
}

void CZvStringBuilder::getChars(int srcBegin, int srcEnd, char16_t* dst, int dstBegin) const {
  // The same checks and copy as a string's; the view shares the body and changes nothing.
  CZvString(*mBody).getChars(srcBegin, srcEnd, dst, dstBegin);
}

int CZvStringBuilder::indexOf(const CZvString& pattern) const { return indexOf(pattern, 0); }

int CZvStringBuilder::indexOf(const CZvString& pattern, int from) const {
  return mBody->Find(pattern.Ptr(), pattern.length(), from);
}

int CZvStringBuilder::lastIndexOf(const CZvString& pattern) const {
  return lastIndexOf(pattern, length());
}

int CZvStringBuilder::lastIndexOf(const CZvString& pattern, int from) const {
  return mBody->FindLast(pattern.Ptr(), pattern.length(), from);
}

CZvString CZvStringBuilder::substring(int start) const { return substring(start, length()); }

CZvString CZvStringBuilder::substring(int start, int end) const {
  if (start < 0) throw StringIndexOutOfBoundsException(Join(u"substring: Negative start: ", start));
  if (end > length()) {
    throw StringIndexOutOfBoundsException(
        Join(u"substring: end (", end, u") is greater than length (", length(), u")"));
  }
  if (start > end) {
    throw StringIndexOutOfBoundsException(
        Join(u"substring: start (", start, u") is greater than end (", end, u")"));
  }
  SPtr<CZvStringBody> body(CZvStringBody::CreateOrThrow(end - start));
  body->Append(mBody->mData + start, end - start);
  return CZvString(*body);
}

CZvString CZvStringBuilder::toString() const {
  mShared = true;
  return CZvString(*mBody);
}

}  // namespace zvlang
