#include <corekit/string.h>
#include <corekit/throwable.h>

#include <charconv>
#include <cstdint>
#include <cstring>
#include <functional>
#include <limits>
#include <memory>
#include <new>

#include "text.h"

namespace zvlang {

namespace {

// The largest capacity a body may have: the array holds one unit more.
constexpr int64_t kMaxCapacity = std::numeric_limits<int32_t>::max() - 1;

char16_t* NewUnits(int64_t count) {
  if (count < 0 || count > kMaxCapacity + 1) return nullptr;
  return new (std::nothrow) char16_t[static_cast<size_t>(count)];
}

void CopyUnits(char16_t* to, const char16_t* from, int n) {
  if (n > 0) std::memcpy(to, from, static_cast<size_t>(n) * sizeof(char16_t));
}

void MoveUnits(char16_t* to, const char16_t* from, int n) {
  if (n > 0) std::memmove(to, from, static_cast<size_t>(n) * sizeof(char16_t));
}

int Widen(const char* text, const char* end, char16_t* target) {
  int n = 0;
  for (const char* p = text; p != end; ++p) target[n++] = static_cast<unsigned char>(*p);
  return n;
}

using internal::Join;

}  // namespace

CZvStringBody::CZvStringBody() : mRefCount(0), mData(nullptr), mLength(0), mCapacity(0) {}

CZvStringBody::~CZvStringBody() {
  delete[] mData;
  mData = nullptr;
}

CZvStringBody* CZvStringBody::Create(int capacity) {
  CZvStringBody* body = new (std::nothrow) CZvStringBody();
  if (body == nullptr) OutOfMemoryError::ThrowInstance();
  body->mData = NewUnits(int64_t{capacity} + 1);
  if (capacity < 0 || body->mData == nullptr) {
    delete body;
    return nullptr;
  }
  body->mCapacity = capacity;
  return body;
}

CZvStringBody* CZvStringBody::Clone(const CZvStringBody& body) {
  CZvStringBody* clone = Create(body.mCapacity);
  if (clone == nullptr) return nullptr;
  CopyUnits(clone->mData, body.mData, body.mLength);
  clone->mLength = body.mLength;
  return clone;
}

CZvStringBody* CZvStringBody::CreateOrThrow(int capacity) {
  CZvStringBody* body = Create(capacity);
  if (body == nullptr) OutOfMemoryError::ThrowInstance();
  return body;
}

CZvStringBody* CZvStringBody::CloneOrThrow(const CZvStringBody& body) {
  CZvStringBody* clone = Clone(body);
  if (clone == nullptr) OutOfMemoryError::ThrowInstance();
  return clone;
}

void CZvStringBody::EnsureFree(int n) {
  if (n <= mCapacity - mLength) return;
  int64_t wanted = int64_t{mLength} + n + 16;
  if (wanted > kMaxCapacity) OutOfMemoryError::ThrowInstance();
  Grow(static_cast<int>(wanted));
}

void CZvStringBody::Grow(int newCapacity) {
  if (newCapacity <= mCapacity) return;
  char16_t* units = NewUnits(int64_t{newCapacity} + 1);
  if (units == nullptr) OutOfMemoryError::ThrowInstance();
  CopyUnits(units, mData, mLength);
  delete[] mData;
  mData = units;
  mCapacity = newCapacity;
}

namespace {

// Whether p points into the array of body, which a growth would free under it.
bool PointsInto(const CZvStringBody& body, const char16_t* p) {
  std::less_equal<const char16_t*> le;
  return le(body.mData, p) && le(p, body.mData + body.mCapacity);
}

// A copy of units that outlives a change of the body they point into.
std::unique_ptr<char16_t[]> CopyOut(const char16_t* units, int n) {
  std::unique_ptr<char16_t[]> copy(NewUnits(n));
  if (copy == nullptr) OutOfMemoryError::ThrowInstance();
  CopyUnits(copy.get(), units, n);
  return copy;
}

}  // namespace

void CZvStringBody::Append(const char16_t* units, int n) {
  if (n <= 0) return;
  if (n > mCapacity - mLength && PointsInto(*this, units)) {
    auto copy = CopyOut(units, n);
    Append(copy.get(), n);
    return;
  }
  EnsureFree(n);
  MoveUnits(mData + mLength, units, n);  // units may lie in this array
  mLength += n;
}

void CZvStringBody::AppendNumber(int64_t value) {
  EnsureFree(20);
  mLength += FormatNumber(value, mData + mLength);
}

void CZvStringBody::AppendNumber(double value) {
  EnsureFree(20);
  mLength += FormatNumber(value, mData + mLength);
}

int CZvStringBody::FormatNumber(int64_t value, char16_t* target) {
  char text[24];
  auto result = std::to_chars(text, text + sizeof text, value);
  return Widen(text, result.ptr, target);
}

int CZvStringBody::FormatNumber(double value, char16_t* target) {
  // to_chars with a precision writes as printf's %.6g in the C locale, which is what a
  // default-configured stream writes, whatever the process's locale.
  char text[32];
  auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 6);
  return Widen(text, result.ptr, target);
}

int CZvStringBody::Find(const char16_t* pattern, int n, int from) const {
  if (from < 0) {
    from = 0;
  } else if (int64_t{from} + n > mLength) {
    return -1;
  }
  for (int64_t i = from; i + n <= mLength; ++i) {
    if (n == 0 || std::memcmp(mData + i, pattern, static_cast<size_t>(n) * sizeof(char16_t)) == 0)
      return static_cast<int>(i);
  }
  return -1;
}

int CZvStringBody::FindLast(const char16_t* pattern, int n, int from) const {
  int64_t start = from;
  if (start + n > mLength) start = int64_t{mLength} - n;
  if (start < 0) return -1;
  for (int64_t i = start; i >= 0; --i) {
    if (n == 0 || std::memcmp(mData + i, pattern, static_cast<size_t>(n) * sizeof(char16_t)) == 0)
      return static_cast<int>(i);
  }
  return -1;
}

void CZvStringBody::VerifyInsertOffset(int offset) const {
  if (offset < 0 || offset > mLength)
    throw StringIndexOutOfBoundsException(Join(u"Index: ", offset, u", Length: ", mLength));
}

void CZvStringBody::Insert(int offset, const char16_t* units, int n) {
  VerifyInsertOffset(offset);
  if (n <= 0) return;
  if (PointsInto(*this, units)) {
    auto copy = CopyOut(units, n);
    Insert(offset, copy.get(), n);
    return;
  }
  EnsureFree(n);
  MoveUnits(mData + offset + n, mData + offset, mLength - offset);
  CopyUnits(mData + offset, units, n);
  mLength += n;
}

void CZvStringBody::DeleteRange(int start, int end) {
  if (start < 0)
    throw StringIndexOutOfBoundsException(Join(u"DeleteRange: Negative start index: ", start));
  if (start > mLength) {
    throw StringIndexOutOfBoundsException(
        Join(u"DeleteRange: start index (", start, u") is greater than length (", mLength, u")"));
  }
  if (start > end) {
    throw StringIndexOutOfBoundsException(
        Join(u"DeleteRange: start index (", start, u") is greater than end index (", end, u")"));
  }
  if (end > mLength) end = mLength;
  MoveUnits(mData + start, mData + end, mLength - end);
  mLength -= end - start;
}

void CZvStringBody::DeleteCharAt(int index) {
  if (index < 0)
    throw StringIndexOutOfBoundsException(Join(u"DeleteCharAt: Negative start index: ", index));
  if (index >= mLength) {
    throw StringIndexOutOfBoundsException(Join(
        u"DeleteRange: Index (", index, u") is greater than or equal to length (", mLength, u")"));
  }
  DeleteRange(index, index + 1);
}

void CZvStringBody::Replace(int start, int end, const CZvString& s) {
  if (start < 0)
    throw StringIndexOutOfBoundsException(Join(u"Replace: Negative start index: ", start));
  if (start > mLength) {
    throw StringIndexOutOfBoundsException(
        Join(u"Replace: start index (", start, u") is greater than length (", mLength, u")"));
  }
  if (start > end) {
    throw StringIndexOutOfBoundsException(
        Join(u"Replace: start index (", start, u") is greater than end index (", end, u")"));
  }
  const char16_t* units = s.Ptr();
  const int n = s.length();
  std::unique_ptr<char16_t[]> copy;
  if (n > 0 && PointsInto(*this, units)) {
    copy = CopyOut(units, n);
    units = copy.get();
  }
  // Make the room before deleting, so that a failed allocation leaves the text whole. This
  // grows to the same capacity as growing after the deletion would.
  const int removed = (end > mLength ? mLength : end) - start;
  if (n > removed) EnsureFree(n - removed);
  DeleteRange(start, end);
  Insert(start, units, n);
}

void CZvStringBody::SetCharAt(int index, char16_t c) {
  if (index < 0) throw IndexOutOfBoundsException(CZvString(u"SetCharAt: Negative index"));
  if (index >= mLength) throw IndexOutOfBoundsException(CZvString(u"SetCharAt: Index >= length"));
  mData[index] = c;
}

void CZvStringBody::SetLength(int n) {
  if (n < 0) throw IndexOutOfBoundsException(CZvString(u"SetLength: Negative length"));
  Grow(n);
  for (int i = mLength; i < n; ++i) mData[i] = 0;
  mLength = n;
}

void CZvStringBody::Reverse() {
  if (mLength == 0) return;
  char16_t* units = NewUnits(int64_t{mCapacity} + 1);
  if (units == nullptr) OutOfMemoryError::ThrowInstance();
  const int len = mLength;
  for (int i = 0; i < len;) {
    char16_t c = mData[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < len && mData[i + 1] >= 0xDC00 &&
        mData[i + 1] <= 0xDFFF) {
      units[len - i - 2] = c;
      units[len - i - 1] = mData[i + 1];
      i += 2;
    } else {
      units[len - i - 1] = c;
      i += 1;
    }
  }
  delete[] mData;
  mData = units;
}

void CZvStringBody::TrimToSize() {
  if (mLength >= mCapacity) return;
  char16_t* units = NewUnits(int64_t{mLength} + 1);
  if (units == nullptr) return;
  CopyUnits(units, mData, mLength);
  delete[] mData;
  mData = units;
  mCapacity = mLength;
}

}  // namespace zvlang
