// CZvInteger: a counted 32-bit integer, and integer <-> text conversion in radix 2 to 35.
//
//   SPtr<CZvInteger> n = CZvInteger::valueOf(u"ff", 16);    // 255
//   CZvString hex = CZvInteger::toHexString(-1);            // "ffffffff"
#pragma once

#include <corekit/corekit_export.h>
#include <corekit/sptr.h>
#include <corekit/string.h>
#include <corekit/unknown.h>

#include <cstdint>

namespace zvlang {

class CZvStringBuilder;

class COREKIT_EXPORT CZvInteger final : public ZvUnknownItf {
 public:
  explicit CZvInteger(int value);
  // parseInt(s, 10); throws NumberFormatException.
  explicit CZvInteger(const CZvString& s);
  // Copies carry the value only: a copy starts with no owner, like any new object.
  CZvInteger(const CZvInteger& other);
  CZvInteger& operator=(const CZvInteger& other);

  int AddRef() const override;
  int Release() const override;

  int intValue() const;
  operator int() const;  // NOLINT: a boxed int reads as an int
  int hashCode() const;
  bool equals(const CZvInteger& other) const;
  CZvString toString() const;

  // Lower-case digits; a radix outside 2..35 is taken as 10.
  static CZvString toString(int i, int radix);
  // The bits of i as an unsigned number, without sign, prefix or leading zeros.
  static CZvString toHexString(int i);
  static CZvString toOctalString(int i);
  static CZvString toBinaryString(int i);
  // Optional minus sign, then digits of radix (2..35; letters in either case above 10).
  // Throws NumberFormatException with a message naming the fault.
  static int parseInt(const CZvString& s, int radix);
  // A new object on every call (no cache).
  static SPtr<CZvInteger> valueOf(int value);
  static SPtr<CZvInteger> valueOf(const CZvString& s, int radix);

 protected:
  static bool isValidRadix(int radix);
  static void unsignedToString(CZvStringBuilder& out, unsigned int value, int radix);
  // The magnitude of the digits from position on, at most 2147483648 (returned as INT32_MIN).
  static int parseUnsignedPartOfSigned(const CZvString& s, int position, int radix);

 private:
  mutable int32_t mRefCount;
  int32_t mValue;
};

}  // namespace zvlang
