#include <corekit/integer.h>
#include <corekit/string_builder.h>
#include <corekit/throwable.h>

#include <cstdint>
#include <limits>
#include <new>

#include "text.h"

namespace zvlang {

namespace {

constexpr char16_t kDigits[] = u"0123456789abcdefghijklmnopqrstuvwxyz";
constexpr int64_t kMagnitudeLimit = int64_t{1} << 31;  // the magnitude of INT32_MIN

using internal::Join;

[[noreturn]] void ThrowBadDigits(const CZvString& s, int radix) {
  throw NumberFormatException(
      Join(u"Integer::parseInt: Bad base-", radix, u" number: \"", s, u"\""));
}

[[noreturn]] void ThrowOutOfRange(const CZvString& s, int radix) {
  throw NumberFormatException(
      Join(u"Integer::parseInt: Number out of range: ", radix, u" number: \"", s, u"\""));
}

}  // namespace

CZvInteger::CZvInteger(int value) : mRefCount(0), mValue(value) {}

CZvInteger::CZvInteger(const CZvString& s) : mRefCount(0), mValue(parseInt(s, 10)) {}

CZvInteger::CZvInteger(const CZvInteger& other)
    : ZvUnknownItf(), mRefCount(0), mValue(other.mValue) {}

CZvInteger& CZvInteger::operator=(const CZvInteger& other) {
  mValue = other.mValue;
  return *this;
}

int CZvInteger::AddRef() const { return ++mRefCount; }

int CZvInteger::Release() const {
  int count = --mRefCount;
  if (count == 0) delete this;
  return count;
}

int CZvInteger::intValue() const { return mValue; }

CZvInteger::operator int() const { return mValue; }

int CZvInteger::hashCode() const { return mValue; }

bool CZvInteger::equals(const CZvInteger& other) const { return mValue == other.mValue; }

CZvString CZvInteger::toString() const { return toString(mValue, 10); }

CZvString CZvInteger::toString(int i, int radix) {
  if (i == 0) return CZvString(u"0");
  if (!isValidRadix(radix)) radix = 10;
  CZvStringBuilder out;
  unsigned int magnitude = static_cast<unsigned int>(i);
  if (i < 0) {
    out.append(u'-');
    magnitude = 0u - magnitude;
  }
  unsignedToString(out, magnitude, radix);
  return out.toString();
}

CZvString CZvInteger::toHexString(int i) {
  CZvStringBuilder out;
  unsignedToString(out, static_cast<unsigned int>(i), 16);
  return out.toString();
}

CZvString CZvInteger::toOctalString(int i) {
  CZvStringBuilder out;
  unsignedToString(out, static_cast<unsigned int>(i), 8);
  return out.toString();
}

CZvString CZvInteger::toBinaryString(int i) {
  CZvStringBuilder out;
  unsignedToString(out, static_cast<unsigned int>(i), 2);
  return out.toString();
}

int CZvInteger::parseInt(const CZvString& s, int radix) {
  if (!isValidRadix(radix))
    throw NumberFormatException(Join(u"Integer::parseInt: Unsupported radix: ", radix));
  if (s.isEmpty()) throw NumberFormatException(CZvString(u"Integer::parseInt: Empty string"));
  bool negative = false;
  int position = 0;
  if (s.charAt(0) == u'-') {
    if (s.length() == 1) {
      throw NumberFormatException(CZvString(u"Integer::parseInt: Bad string: \"-\""));
    }
    negative = true;
    position = 1;
  }
  // Above radix 10 the digits are read, and quoted in digit errors, in lower case.
  int magnitude = parseUnsignedPartOfSigned(radix > 10 ? s.toLowerCase() : s, position, radix);
  if (magnitude == std::numeric_limits<int>::min()) {
    if (!negative) ThrowOutOfRange(s, radix);
    return magnitude;
  }
  return negative ? -magnitude : magnitude;
}

SPtr<CZvInteger> CZvInteger::valueOf(int value) {
  SPtr<CZvInteger> result(new (std::nothrow) CZvInteger(value));
  if (result.IsNull()) OutOfMemoryError::ThrowInstance();
  return result;
}

SPtr<CZvInteger> CZvInteger::valueOf(const CZvString& s, int radix) {
  return valueOf(parseInt(s, radix));
}

bool CZvInteger::isValidRadix(int radix) {
  unsigned int r = static_cast<unsigned int>(radix);
  return r >= 2 && r < 36;
}

void CZvInteger::unsignedToString(CZvStringBuilder& out, unsigned int value, int radix) {
  if (value == 0) {
    out.append(kDigits[0]);
    return;
  }
  char16_t digits[32];
  int n = 0;
  const unsigned int base = static_cast<unsigned int>(radix);
  while (value != 0) {
    digits[n++] = kDigits[value % base];
    value /= base;
  }
  while (n > 0) out.append(digits[--n]);
}

int CZvInteger::parseUnsignedPartOfSigned(const CZvString& s, int position, int radix) {
  int64_t magnitude = 0;
  for (int i = position; i < s.length(); ++i) {
    int c = s.charAt(i);
    int digit;
    if (radix > 10 && c > u'9') {
      if (c < u'a') ThrowBadDigits(s, radix);
      digit = c - 87;
    } else {
      digit = c - 48;
    }
    if (digit < 0 || digit >= radix) ThrowBadDigits(s, radix);
    magnitude = magnitude * radix + digit;
    if (magnitude > kMagnitudeLimit) ThrowOutOfRange(s, radix);
  }
  return static_cast<int>(static_cast<uint32_t>(magnitude));
}

}  // namespace zvlang
