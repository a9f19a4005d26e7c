#include <corekit/integer.h>
#include <corekit/throwable.h>
#include <gtest/gtest.h>

#include <climits>

#include "support/failing_allocation.h"
#include "support/text.h"
#include "support/throws.h"

namespace {

using corekit_test::ThrownMessage;
using zvlang::CZvInteger;
using zvlang::CZvString;
using zvlang::NumberFormatException;

TEST(IntegerTest, ToStringInARadix) {
  struct Case {
    int value, radix;
    const char16_t* text;
  } cases[] = {
      {255, 16, u"ff"},
      {-255, 16, u"-ff"},
      {0, 99, u"0"},
      {10, 36, u"10"},  // radix 36 is not supported: decimal
      {10, -2, u"10"},
      {10, 1, u"10"},
      {INT_MIN, 10, u"-2147483648"},
      {INT_MIN, 2, u"-10000000000000000000000000000000"},
      {INT_MAX, 35, u"15v22um"},
      {34, 35, u"y"},
      {7, 2, u"111"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.value << " radix " << c.radix);
    EXPECT_EQ(CZvInteger::toString(c.value, c.radix), c.text);
  }
  EXPECT_EQ(CZvInteger(-12).toString(), u"-12");
}

TEST(IntegerTest, UnsignedTexts) {
  EXPECT_EQ(CZvInteger::toHexString(-1), u"ffffffff");
  EXPECT_EQ(CZvInteger::toHexString(0), u"0");
  EXPECT_EQ(CZvInteger::toHexString(0xABC), u"abc");
  EXPECT_EQ(CZvInteger::toOctalString(-1), u"37777777777");
  EXPECT_EQ(CZvInteger::toOctalString(8), u"10");
  EXPECT_EQ(CZvInteger::toBinaryString(5), u"101");
  EXPECT_EQ(CZvInteger::toBinaryString(0), u"0");
  EXPECT_EQ(CZvInteger::toBinaryString(INT_MIN), u"10000000000000000000000000000000");
}

TEST(IntegerTest, ParseIntAcceptsSignedDigits) {
  struct Case {
    const char16_t* text;
    int radix, value;
  } cases[] = {
      {u"-2147483648", 10, INT_MIN},
      {u"2147483647", 10, INT_MAX},
      {u"FF", 16, 255},
      {u"ff", 16, 255},
      {u"-0", 10, 0},
      {u"0", 2, 0},
      {u"-80000000", 16, INT_MIN},
      {u"yY", 35, 34 * 35 + 34},
      {u"0017", 8, 15},
      {u"1010", 2, 10},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(corekit_test::ToUtf8(c.text));
    EXPECT_EQ(CZvInteger::parseInt(c.text, c.radix), c.value);
  }
  EXPECT_EQ(CZvInteger(CZvString(u"-31")).intValue(), -31);
}

TEST(IntegerTest, ParseIntNamesTheFault) {
  struct Case {
    const char16_t* text;
    int radix;
    const char16_t* message;
  } cases[] = {
      {u"2147483648", 10, u"Integer::parseInt: Number out of range: 10 number: \"2147483648\""},
      {u"4294967297", 10, u"Integer::parseInt: Number out of range: 10 number: \"4294967297\""},
      {u"9999999999", 10, u"Integer::parseInt: Number out of range: 10 number: \"9999999999\""},
      {u"-2147483649", 10, u"Integer::parseInt: Number out of range: 10 number: \"-2147483649\""},
      {u"80000000", 16, u"Integer::parseInt: Number out of range: 16 number: \"80000000\""},
      {u"ff", 10, u"Integer::parseInt: Bad base-10 number: \"ff\""},
      {u"+5", 10, u"Integer::parseInt: Bad base-10 number: \"+5\""},
      {u"5 ", 10, u"Integer::parseInt: Bad base-10 number: \"5 \""},
      {u" 5", 10, u"Integer::parseInt: Bad base-10 number: \" 5\""},
      {u"1-2", 10, u"Integer::parseInt: Bad base-10 number: \"1-2\""},
      {u"2", 2, u"Integer::parseInt: Bad base-2 number: \"2\""},
      {u"z", 35, u"Integer::parseInt: Bad base-35 number: \"z\""},
      {u"1G", 16, u"Integer::parseInt: Bad base-16 number: \"1g\""},  // read in lower case
      {u"1:", 16, u"Integer::parseInt: Bad base-16 number: \"1:\""},
      {u"--1", 10, u"Integer::parseInt: Bad base-10 number: \"--1\""},
      {u"", 10, u"Integer::parseInt: Empty string"},
      {u"-", 10, u"Integer::parseInt: Bad string: \"-\""},
      {u"1", 1, u"Integer::parseInt: Unsupported radix: 1"},
      {u"1", 36, u"Integer::parseInt: Unsupported radix: 36"},
      {u"1", -10, u"Integer::parseInt: Unsupported radix: -10"},
      {u"", 99, u"Integer::parseInt: Unsupported radix: 99"},  // radix is checked first
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(corekit_test::ToUtf8(c.text));
    EXPECT_EQ(ThrownMessage<NumberFormatException>([&] { CZvInteger::parseInt(c.text, c.radix); }),
              c.message);
  }
  EXPECT_EQ(ThrownMessage<NumberFormatException>([] { CZvInteger n(CZvString(u"x")); }),
            u"Integer::parseInt: Bad base-10 number: \"x\"");
  EXPECT_EQ(ThrownMessage<NumberFormatException>([] { CZvInteger::valueOf(u"x", 10); }),
            u"Integer::parseInt: Bad base-10 number: \"x\"");
}

TEST(IntegerTest, ValueOfMakesANewObjectEachTime) {
  SPtr<CZvInteger> a = CZvInteger::valueOf(7);
  SPtr<CZvInteger> b = CZvInteger::valueOf(7);
  EXPECT_NE(a.Get(), b.Get());
  EXPECT_TRUE(a->equals(*b));
  EXPECT_EQ(a->AddRef(), 2);  // count 1 before
  EXPECT_EQ(a->Release(), 1);
  EXPECT_EQ(b->AddRef(), 2);
  EXPECT_EQ(b->Release(), 1);
  EXPECT_EQ(CZvInteger::valueOf(u"-ff", 16)->intValue(), -255);
  EXPECT_EQ(static_cast<int>(*a), 7);
  EXPECT_EQ(a->hashCode(), 7);
}

TEST(IntegerTest, CopiesTakeTheValueButNotTheCount) {
  SPtr<CZvInteger> a = CZvInteger::valueOf(5);
  CZvInteger copy(*a);
  EXPECT_EQ(copy.intValue(), 5);
  EXPECT_EQ(copy.AddRef(), 1);  // the copy had no owner
  CZvInteger other(9);
  other = *a;
  EXPECT_EQ(other.intValue(), 5);
  EXPECT_EQ(other.AddRef(), 1);
  EXPECT_EQ(a->AddRef(), 2);
  a->Release();
}

TEST(IntegerTest, AllocationFailuresThrowOutOfMemoryError) {
  EXPECT_GT(corekit_test::ExpectEachAllocationFailureThrows(
                [] { return 0; }, [](int) { CZvInteger::valueOf(3); }, [](int) {}),
            0);
  EXPECT_GT(corekit_test::ExpectEachAllocationFailureThrows(
                [] { return 0; }, [](int) { CZvInteger::toString(-255, 16); }, [](int) {}),
            0);
  CZvString text(u"7FFF");
  EXPECT_GT(corekit_test::ExpectEachAllocationFailureThrows(
                [] { return 0; }, [&](int) { CZvInteger::parseInt(text, 16); },
                [&](int) { EXPECT_EQ(text, u"7FFF"); }),
            0);
}

}  // namespace
