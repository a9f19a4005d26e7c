#include <corekit/string.h>
#include <corekit/string_builder.h>
#include <corekit/throwable.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "support/failing_allocation.h"
#include "support/text.h"
#include "support/throws.h"

namespace {

using corekit_test::ThrownClass;
using corekit_test::ThrownMessage;
using corekit_test::ThrownText;
using corekit_test::Units;
using zvlang::ArrayIndexOutOfBoundsException;
using zvlang::CZvString;
using zvlang::CZvStringBuilder;
using zvlang::IndexOutOfBoundsException;
using zvlang::StringIndexOutOfBoundsException;

// A string's body capacity, read through a builder that shares the body.
int CapacityOf(const CZvString& s) { return CZvStringBuilder(s).capacity(); }

TEST(StringTest, ConstructorsGiveTextAndCapacity) {
  const char16_t text[] = u"abcdef";
  struct Case {
    const char* name;
    CZvString value;
    std::u16string units;
    int capacity;
  } cases[] = {
      {"default", CZvString(), u"", 64},
      {"empty text", CZvString(u""), u"", 1},
      {"text", CZvString(text), u"abcdef", 7},
      {"text and count", CZvString(text, 3), u"abc", 4},
      {"text, offset and count", CZvString(text, 2, 3), u"cde", 4},
      {"true", CZvString(true), u"true", 5},
      {"false", CZvString(false), u"false", 5},
      {"unit", CZvString(u'x'), u"x", 1},
      {"char is a number", CZvString(static_cast<char>(65)), u"65", 20},
      {"short", CZvString(static_cast<short>(-32768)), u"-32768", 20},
      {"int", CZvString(2147483647), u"2147483647", 20},
      {"long long", CZvString(-5LL), u"-5", 20},
      {"int64 min", CZvString(std::numeric_limits<int64_t>::min()), u"-9223372036854775808", 20},
      {"double", CZvString(0.5), u"0.5", 20},
      {"two strings", CZvString(CZvString(u"ab"), CZvString(u"cde")), u"abcde", 6},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Units(c.value), c.units);
    EXPECT_EQ(CapacityOf(c.value), c.capacity);
  }
}

TEST(StringTest, DoublesAreWrittenAsAStreamWritesThem) {
  struct Case {
    double value;
    const char16_t* text;
  } cases[] = {
      {1.5, u"1.5"},         {100.0, u"100"},
      {0.1, u"0.1"},         {1234567.0, u"1.23457e+06"},
      {123456.0, u"123456"}, {0.0001, u"0.0001"},
      {0.00001, u"1e-05"},   {-2.5, u"-2.5"},
      {1e100, u"1e+100"},    {0.0, u"0"},
      {-0.0, u"-0"},         {-1.23456789e-300, u"-1.23457e-300"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(CZvString(c.value), c.text);
  }
  // Whatever the value, the text is the default stream's.
  const double more[] = {3.14159265,
                         2e-7,
                         999999.5,
                         1e6,
                         0.000123456,
                         65536.0,
                         std::numeric_limits<double>::max(),
                         std::numeric_limits<double>::denorm_min(),
                         std::numeric_limits<double>::infinity(),
                         -std::numeric_limits<double>::infinity(),
                         std::numeric_limits<double>::quiet_NaN()};
  for (double v : more) {
    std::ostringstream stream;
    stream << v;
    EXPECT_EQ(corekit_test::ToUtf8(CZvString(v)), stream.str());
  }
}

TEST(StringTest, CompareToSubtractsUnitsAndCountsLengthsAsOne) {
  struct Case {
    const char16_t* a;
    const char16_t* b;
    int result;
    int ignoringCase;
  } cases[] = {
      {u"abc", u"abd", -1, -1},
      {u"ab", u"abc", -1, -1},
      {u"abcd", u"ab", 1, 1},
      {u"abc", u"abc", 0, 0},
      {u"", u"", 0, 0},
      {u"b", u"a", 1, 1},
      {u"Hello", u"hELLO", 'H' - 'h', 0},
      {u"\xFFFF", u"a", 0xFFFF - 'a', 0xFFFF - 'a'},  // units compare unsigned
      {u"A", u"b", 'A' - 'b', 'a' - 'b'},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(corekit_test::ToUtf8(c.a) + " vs " + corekit_test::ToUtf8(c.b));
    CZvString a(c.a), b(c.b);
    EXPECT_EQ(a.compareTo(b), c.result);
    EXPECT_EQ(a.equals(b), c.result == 0);
    EXPECT_EQ(a.compareToIgnoreCase(b), c.ignoringCase);
    EXPECT_EQ(a.equalsIgnoreCase(b), c.ignoringCase == 0);
  }
}

TEST(StringTest, HashCodeIsThePolynomialOverUnits) {
  EXPECT_EQ(CZvString(u"abc").hashCode(), 96354);
  EXPECT_EQ(CZvString(u"").hashCode(), 0);
  // Wraps modulo 2^32 into a signed value.
  uint32_t h = 0;
  const char16_t text[] = u"a longer text that overflows \xD83D\xDE00";
  for (char16_t c : std::u16string(text)) h = h * 31u + c;
  EXPECT_EQ(CZvString(text).hashCode(), static_cast<int32_t>(h));
}

TEST(StringTest, StartsWithAndEndsWith) {
  CZvString s(u"banana");
  struct Case {
    const char16_t* pattern;
    int offset;
    bool startsAt;
    bool endsWith;
  } cases[] = {
      {u"ban", 0, true, false},      {u"nan", 2, true, false}, {u"ana", 3, true, true},
      {u"", 6, true, true},          {u"", 7, false, true},    {u"a", -1, false, true},
      {u"bananas", 0, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(corekit_test::ToUtf8(c.pattern));
    EXPECT_EQ(s.startsWith(c.pattern, c.offset), c.startsAt);
    EXPECT_EQ(s.endsWith(c.pattern), c.endsWith);
  }
  EXPECT_TRUE(s.startsWith(u"b"));
  EXPECT_FALSE(s.startsWith(u"a"));
}

TEST(StringTest, IndexOfAndLastIndexOf) {
  CZvString s(u"abcabc");
  const int len = s.length();
  struct Case {
    const char* name;
    int result;
    int expected;
  } cases[] = {
      {"indexOf text", s.indexOf(u"bc"), 1},
      {"indexOf text from", s.indexOf(u"bc", 2), 4},
      {"indexOf missing", s.indexOf(u"cb"), -1},
      {"indexOf empty", s.indexOf(u""), 0},
      {"indexOf empty from len", s.indexOf(u"", len), len},
      {"indexOf empty past len", s.indexOf(u"", len + 1), -1},
      {"indexOf from negative", s.indexOf('a', -5), 0},
      {"indexOf unit from len + 1", s.indexOf('a', len + 1), -1},
      {"indexOf unit", s.indexOf('c'), 2},
      {"indexOf too long", s.indexOf(u"abcabca"), -1},
      {"lastIndexOf text", s.lastIndexOf(u"bc"), 4},
      {"lastIndexOf text from", s.lastIndexOf(u"bc", 3), 1},
      {"lastIndexOf empty", s.lastIndexOf(u""), len},
      {"lastIndexOf unit", s.lastIndexOf('a'), 3},
      {"lastIndexOf from negative", s.lastIndexOf('a', -1), -1},
      {"lastIndexOf from past end", s.lastIndexOf(u"abc", 100), 3},
      {"lastIndexOf missing", s.lastIndexOf('z'), -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.result, c.expected);
  }
}

TEST(StringTest, CodePointsAboveTheBmpAreSearchedAsSurrogatePairs) {
  const char16_t text[] = u"x\xD83D\xDE00y\xD83D\xDE00";
  CZvString s(text);
  EXPECT_EQ(s.indexOf(0x1F600), 1);
  EXPECT_EQ(s.lastIndexOf(0x1F600), 4);
  EXPECT_EQ(s.indexOf(0xD83D), 1);  // a lone surrogate unit is a unit like any other
  EXPECT_EQ(s.indexOf(0x10FFFF), -1);
  EXPECT_EQ(s.indexOf(0x110000), -1);
  EXPECT_EQ(s.indexOf(-1), -1);
  EXPECT_EQ(s.lastIndexOf(-1), -1);
}

TEST(StringTest, SubstringTakesARangeOrThrowsTheOffendingNumber) {
  CZvString s(u"hello");
  EXPECT_EQ(s.substring(1), u"ello");
  EXPECT_EQ(s.substring(5), u"");
  EXPECT_EQ(s.substring(1, 3), u"el");
  EXPECT_EQ(CapacityOf(s.substring(1, 3)), 3);
  struct Case {
    const char* name;
    int start, end;  // end -1: the one-argument form
    const char16_t* text;
  } cases[] = {
      {"start past length", 6, -1, u"CZvString index out of bounds: 6"},
      {"negative start", -1, -1, u"CZvString index out of bounds: -1"},
      {"range: negative start", -1, 2, u"CZvString index out of bounds: -1"},
      {"range: end past length", 0, 6, u"CZvString index out of bounds: 6"},
      {"range: start after end", 3, 1, u"CZvString index out of bounds: -2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ThrownText<StringIndexOutOfBoundsException>(
                  [&] { c.end < 0 ? s.substring(c.start) : s.substring(c.start, c.end); }),
              c.text);
  }
}

TEST(StringTest, CharAtOutsideThrowsIndexOutOfBoundsWithoutMessage) {
  CZvString s(u"abc");
  EXPECT_EQ(s.charAt(2), u'c');
  for (int i : {-1, 3}) {
    EXPECT_EQ(ThrownClass([&] { s.charAt(i); }), u"com.zavo.lang.IndexOutOfBoundsException");
    EXPECT_EQ(ThrownMessage<IndexOutOfBoundsException>([&] { s.charAt(i); }),
              u"com.zavo.lang.Throwable");
  }
}

TEST(StringTest, TrimClonesOnlyWhenThereIsSpace) {
  struct Case {
    const char16_t* text;
    const char16_t* trimmed;
  } cases[] = {
      {u"  x ", u"x"},        {u"   ", u""}, {u"", u""},    {u"x", u"x"},
      {u"\tab c\n", u"ab c"}, {u" x", u"x"}, {u"x ", u"x"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(corekit_test::ToUtf8(c.text));
    CZvString s(c.text);
    CZvString t = s.trim();
    EXPECT_EQ(t, c.trimmed);
    bool changed = t.length() != s.length();
    EXPECT_EQ(t.Ptr() == s.Ptr(), !changed);
    EXPECT_EQ(CapacityOf(t), CapacityOf(s));  // a clone keeps the capacity
  }
}

TEST(StringTest, ReplaceSharesTheBodyWhenNothingChanges) {
  CZvString s(u"banana");
  CZvString same = s.replace(u'z', u'y');
  EXPECT_EQ(same.Ptr(), s.Ptr());
  CZvString changed = s.replace(u'a', u'b');
  EXPECT_EQ(changed, u"bbnbnb");
  EXPECT_NE(changed.Ptr(), s.Ptr());
  EXPECT_EQ(s, u"banana");
}

TEST(StringTest, CaseChangesAlwaysCloneAndPassSurrogatesThrough) {
  const char16_t text[] = u"MiXeD 1\xD83D\xDE00";
  CZvString s(text);
  CZvString lower = s.toLowerCase();
  CZvString upper = s.toUpperCase();
  EXPECT_EQ(lower, u"mixed 1\xD83D\xDE00");
  EXPECT_EQ(upper, u"MIXED 1\xD83D\xDE00");
  CZvString plain(u"abc");
  EXPECT_NE(plain.toLowerCase().Ptr(), plain.Ptr());
}

TEST(StringTest, CopiesConcatAndToStringShareTheBody) {
  CZvString s(u"abc");
  CZvString copy(s);
  CZvString assigned;
  assigned = s;
  assigned = assigned;
  EXPECT_EQ(copy.Ptr(), s.Ptr());
  EXPECT_EQ(assigned.Ptr(), s.Ptr());
  EXPECT_EQ(s.toString().Ptr(), s.Ptr());
  EXPECT_EQ(s.concat(CZvString()).Ptr(), s.Ptr());
  CZvString joined = s.concat(u"de");
  EXPECT_EQ(joined, u"abcde");
  EXPECT_EQ(CapacityOf(joined), 6);
  EXPECT_EQ(u"x" + s + CZvString(u'y'), u"xabcy");
}

TEST(StringTest, CStrTerminatesAfterTheLastUnit) {
  const char16_t text[] = u"abcdef";
  CZvString s(text, 3);
  const char16_t* p = s.c_str();
  EXPECT_EQ(std::u16string(p), u"abc");
  EXPECT_EQ(p, s.Ptr());
}

TEST(StringTest, GetCharsChecksInOrder) {
  CZvString s(u"hello");
  char16_t dst[8] = {};
  s.getChars(1, 4, dst, 2);
  EXPECT_EQ(std::u16string(dst + 2, 3), u"ell");
  struct Case {
    const char* name;
    int begin, end, dstBegin;
    const char16_t* text;
  } cases[] = {
      {"negative begin", -1, 2, 0, u"CZvString index out of bounds: -1"},
      {"begin after end", 2, 1, 0, u"CZvString index out of bounds: -1"},
      {"end past length", 0, 6, 0, u"CZvString index out of bounds: 6"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ThrownText<StringIndexOutOfBoundsException>(
                  [&] { s.getChars(c.begin, c.end, dst, c.dstBegin); }),
              c.text);
  }
  EXPECT_EQ(ThrownText<ArrayIndexOutOfBoundsException>([&] { s.getChars(0, 1, dst, -1); }),
            u"CZvString index out of bounds: -1");
}

TEST(StringTest, SubSequenceIsANewStringFreedByRelease) {
  CZvString s(u"hello");
  zvlang::CharSequence* part = s.subSequence(1, 4);
  ASSERT_NE(part, nullptr);
  EXPECT_EQ(part->length(), 3);
  EXPECT_EQ(part->charAt(0), u'e');
  part->Release();
  EXPECT_EQ(ThrownText<StringIndexOutOfBoundsException>([&] { s.subSequence(2, 1); }),
            u"CZvString index out of bounds: -1");
}

TEST(StringTest, AdapterHoldsAStringByCount) {
  SPtr<zvlang::ZvStringAdapter> a = zvlang::ZvStringAdapter::Create(u"key");
  SPtr<zvlang::ZvStringAdapter> b = zvlang::ZvStringAdapter::Create(u"key");
  EXPECT_TRUE(a->equals(*b));
  EXPECT_EQ(a->hashCode(), CZvString(u"key").hashCode());
  EXPECT_EQ(a->GetValue(), u"key");
  EXPECT_EQ(a->AddRef(), 2);
  EXPECT_EQ(a->Release(), 1);
}

TEST(StringTest, AllocationFailuresThrowOutOfMemoryError) {
  CZvString source(u"Some Text ");
  struct Case {
    const char* name;
    void (*op)(const CZvString&);
  } cases[] = {
      {"from text", [](const CZvString&) { CZvString s(u"abc"); }},
      {"default", [](const CZvString&) { CZvString s; }},
      {"number", [](const CZvString&) { CZvString s(12); }},
      {"double", [](const CZvString&) { CZvString s(1.5); }},
      {"two strings", [](const CZvString& s) { CZvString t(s, s); }},
      {"substring", [](const CZvString& s) { s.substring(2, 5); }},
      {"lower case", [](const CZvString& s) { s.toLowerCase(); }},
      {"replace", [](const CZvString& s) { s.replace(u'e', u'a'); }},
      {"trim", [](const CZvString& s) { s.trim(); }},
      {"subSequence", [](const CZvString& s) { s.subSequence(1, 3)->Release(); }},
      {"adapter", [](const CZvString& s) { zvlang::ZvStringAdapter::Create(s); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    int failures = corekit_test::ExpectEachAllocationFailureThrows(
        [] { return 0; }, [&](int) { c.op(source); },
        [&](int) { EXPECT_EQ(source, u"Some Text "); });
    EXPECT_GT(failures, 0);
  }
}

}  // namespace
