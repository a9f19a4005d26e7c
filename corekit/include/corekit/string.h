// CZvString: the immutable UTF-16 string of every Zavo library.
//
// Copies share one reference-counted CZvStringBody; no operation changes a body another string
// may see, so transformations (case change, replace, trim, substring) make a new body. Lengths,
// indexes and counts are in 16-bit units; a character outside the BMP takes two.
//
//   CZvString name(u"disk");
//   CZvString full = name + u" full";   // a new body
//   CZvString copy = full;              // shares full's body
#pragma once

#include <corekit/char_sequence.h>
#include <corekit/corekit_export.h>
#include <corekit/sptr.h>
#include <corekit/unknown.h>

#include <cstdint>

namespace zvlang {

class CZvString;
class CZvStringBuilder;

// The characters of strings and builders. Internal to CoreKit: only strings and builders reach
// a body, and a body that may be seen by a string is never changed.
//
// mData holds mCapacity + 1 units (room for the terminator that c_str writes); the units from
// mLength on are not initialised. Counted like ZvUnknownItf, without being one.
class COREKIT_EXPORT CZvStringBody {
 public:
  virtual ~CZvStringBody();

  int AddRef() const { return ++mRefCount; }
  int Release() const {
    int count = --mRefCount;
    if (count == 0) delete this;
    return count;
  }

  // A new body of count 0. Throws OutOfMemoryError when the body itself cannot be allocated;
  // returns null when its array cannot (callers then throw OutOfMemoryError).
  static CZvStringBody* Create(int capacity);
  // Create(body.mCapacity) holding body's units: the clone keeps the capacity, not the length.
  static CZvStringBody* Clone(const CZvStringBody& body);
  // As Create and Clone, but a missing array also throws OutOfMemoryError.
  static CZvStringBody* CreateOrThrow(int capacity);
  static CZvStringBody* CloneOrThrow(const CZvStringBody& body);

  // Growth: EnsureFree(n) makes room for n more units, growing to mLength + n + 16;
  // Grow grows to exactly newCapacity. Both throw OutOfMemoryError and then leave the body as
  // it was.
  void EnsureFree(int n);
  void Grow(int newCapacity);
  void Append(const char16_t* units, int n);
  void AppendNumber(int64_t value);
  void AppendNumber(double value);

  // Writes value as text (at most 20 units) and returns the count of units written. Integers in
  // decimal; doubles as a standard stream writes them by default (general notation, six
  // significant digits).
  static int FormatNumber(int64_t value, char16_t* target);
  static int FormatNumber(double value, char16_t* target);

  // Forward and backward search of n units; see CZvString::indexOf and lastIndexOf.
  int Find(const char16_t* pattern, int n, int from) const;
  int FindLast(const char16_t* pattern, int n, int from) const;

  // Editing, for builders. Range errors throw StringIndexOutOfBoundsException (SetCharAt and
  // SetLength: IndexOutOfBoundsException) with a message, before anything changes.
  void VerifyInsertOffset(int offset) const;
  void Insert(int offset, const char16_t* units, int n);
  void DeleteRange(int start, int end);
  void DeleteCharAt(int index);
  void Replace(int start, int end, const CZvString& s);
  void SetCharAt(int index, char16_t c);
  void SetLength(int n);
  void Reverse();
  // Gives back the unused units. Failure to allocate changes nothing and is not reported.
  void TrimToSize();

  mutable int32_t mRefCount;
  char16_t* mData;
  int32_t mLength;
  int32_t mCapacity;

 private:
  CZvStringBody();
  CZvStringBody(const CZvStringBody&) = delete;
  CZvStringBody& operator=(const CZvStringBody&) = delete;
};

class COREKIT_EXPORT CZvString : public CharSequence {
 public:
  // Capacity 64, empty.
  CZvString();
  CZvString(const CZvString& other);
  // text is zero-terminated and not null.
  CZvString(const char16_t* text);  // NOLINT: implicit, so that u"..." reads as a string
  CZvString(const char16_t* text, int count);
  // No range checks: the caller guarantees text[offset .. offset + count).
  CZvString(const char16_t* text, int offset, int count);
  explicit CZvString(bool value);
  explicit CZvString(char16_t c);
  // Numbers are written in decimal; a char is a number here (65 gives "65").
  explicit CZvString(char value);
  explicit CZvString(short value);
  explicit CZvString(int value);
  explicit CZvString(long value);  // int64_t on this platform
  explicit CZvString(long long value);
  explicit CZvString(double value);
  // a followed by b.
  CZvString(const CZvString& a, const CZvString& b);
  // Narrow text has no encoding here; without this a char literal would become "true".
  CZvString(const char*) = delete;
  CZvString(std::nullptr_t) = delete;
  virtual ~CZvString();

  int length() const override;
  char16_t charAt(int index) const override;
  CharSequence* subSequence(int start, int end) const override;
  // Deletes this string: only for objects from subSequence.
  void Release() override;

  bool isEmpty() const;
  // Unit by unit as unsigned values; the lengths count only as -1, 0 or 1.
  int compareTo(const CZvString& other) const;
  int compareToIgnoreCase(const CZvString& other) const;
  bool equals(const CZvString& other) const;
  bool equalsIgnoreCase(const CZvString& other) const;
  bool startsWith(const CZvString& prefix) const;
  bool startsWith(const CZvString& prefix, int offset) const;
  bool endsWith(const CZvString& suffix) const;
  // A code point above U+FFFF is searched as its surrogate pair; an invalid one gives -1.
  int indexOf(int codePoint) const;
  int indexOf(int codePoint, int from) const;
  int indexOf(const CZvString& pattern) const;
  int indexOf(const CZvString& pattern, int from) const;
  int lastIndexOf(int codePoint) const;
  int lastIndexOf(int codePoint, int from) const;
  int lastIndexOf(const CZvString& pattern) const;
  int lastIndexOf(const CZvString& pattern, int from) const;
  CZvString substring(int start) const;
  CZvString substring(int start, int end) const;
  CZvString concat(const CZvString& other) const;
  CZvString replace(char16_t oldUnit, char16_t newUnit) const;
  CZvString toLowerCase() const;
  CZvString toUpperCase() const;
  CZvString trim() const;
  int hashCode() const;
  // Copies [srcBegin, srcEnd) to dst + dstBegin; the caller guarantees the room.
  void getChars(int srcBegin, int srcEnd, char16_t* dst, int dstBegin) const;
  CZvString toString() const;
  // Zero-terminated view, valid while this string lives and its body is not trimmed.
  const char16_t* c_str() const;
  // The units without a terminator; only the first length() are meaningful.
  const char16_t* Ptr() const;

  CZvString& operator=(const CZvString& other);

  friend bool operator==(const CZvString& a, const CZvString& b) { return a.equals(b); }

 private:
  friend class CZvStringBuilder;
  friend class CZvStringBody;
  // Shares body.
  explicit CZvString(const CZvStringBody& body);
  void Copy(const CZvString& other);

  SPtr<CZvStringBody> mBody;
};

COREKIT_EXPORT CZvString operator+(const CZvString& a, const CZvString& b);

// A string held by reference count, for counted containers.
class COREKIT_EXPORT ZvStringAdapter final : public ZvUnknownItf {
 public:
  explicit ZvStringAdapter(const CZvString& value);
  static SPtr<ZvStringAdapter> Create(const CZvString& value);

  int AddRef() const override;
  int Release() const override;
  const CZvString& GetValue() const;
  int hashCode() const;
  bool equals(const ZvStringAdapter& other) const;

 private:
  mutable int32_t mRefCount;
  CZvString mValue;
};

}  // namespace zvlang
