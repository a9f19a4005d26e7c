#include <gtest/gtest.h>
#include <oslayer/zavo_string.h>

#include <climits>

namespace {

std::u16string S(const CZavoString& s) { return s.Str(); }

TEST(ZavoStringTest, ConstructsFromWideNarrowAndCopies) {
  EXPECT_EQ(S(CZavoString()), u"");
  EXPECT_EQ(S(CZavoString(u"abc")), u"abc");
  EXPECT_EQ(S(CZavoString("h\xC3\xA9llo")), u"h\u00E9llo");  // 8-bit text is UTF-8
  EXPECT_EQ(S(CZavoString(static_cast<const char16_t*>(nullptr))), u"");
  CZavoString a(u"x");
  CZavoString b(a);
  b += u"y";
  b += u'z';
  EXPECT_EQ(S(a), u"x");
  EXPECT_EQ(S(b), u"xyz");
  EXPECT_TRUE(a != b);
  a = b;
  EXPECT_FALSE(a != b);
  EXPECT_EQ(b.Length(), 3);
  EXPECT_EQ(S(CZavoString(u"ab") + CZavoString(u"cd")), u"abcd");
  EXPECT_TRUE(a == u"xyz");
  EXPECT_TRUE(u"xyz" == a);
  EXPECT_TRUE(a != u"xy");
  const char16_t* raw = a;
  EXPECT_EQ(std::u16string(raw), u"xyz");
}

TEST(ZavoStringTest, LengthCountsUtf16Units) {
  EXPECT_EQ(CZavoString("\xF0\x9F\x98\x80").Length(), 2);  // one character outside the BMP
  EXPECT_EQ(CZavoString("\xF0\x9F\x98\x80").ToUtf8(), "\xF0\x9F\x98\x80");
}

TEST(ZavoStringTest, SubStr) {
  const CZavoString s(u"abcdef");
  struct Case {
    int32_t pos, count;
    std::u16string want;
  } cases[] = {
      {0, 3, u"abc"},  {2, CZavoString::NoIndex, u"cdef"},
      {4, 100, u"ef"}, {6, 1, u""},
      {-1, 2, u""},    {10, 1, u""},
      {1, 0, u""},     {1, -5, u""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.pos << "," << c.count);
    EXPECT_EQ(S(s.SubStr(c.pos, c.count)), c.want);
  }
}

TEST(ZavoStringTest, ReverseFindAndFind) {
  const CZavoString path(u"C:\\a\\b\\file.txt");
  EXPECT_EQ(path.ReverseFind(u"\\"), 6);
  EXPECT_EQ(path.ReverseFind(u"\\", CZavoString::NoIndex), 6);
  EXPECT_EQ(path.ReverseFind(u"\\", 5), 4);
  EXPECT_EQ(path.ReverseFind(u"/"), CZavoString::NoIndex);
  EXPECT_EQ(path.ReverseFind(u"\\", -7), CZavoString::NoIndex);
  EXPECT_EQ(S(path.SubStr(path.ReverseFind(u"\\") + 1)), u"file.txt");
  EXPECT_EQ(path.Find(u"\\"), 2);
  EXPECT_EQ(path.Find(u"\\", 3), 4);
  EXPECT_EQ(path.Find(u"zz"), CZavoString::NoIndex);
}

TEST(ZavoStringTest, ReadingRules) {
  struct Case {
    std::u16string text;
    int32_t value;
  } cases[] = {
      {u"00012", 12},
      {u"12", 12},
      {u"-007", -7},
      {u"  42", 42},
      {u"12ab", 12},
      {u"abc", 0},
      {u"", 0},
      {u"+5", 5},
      {u"99999999999", INT32_MAX},
      {u"-99999999999", INT32_MIN},
      {u"00000", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(CZavoString(c.text).ToUtf8());
    EXPECT_EQ(CZavoString::ToInt(CZavoString(c.text)), c.value);
    EXPECT_EQ(CZavoString::ToLong(CZavoString(c.text)), c.value);
  }
  EXPECT_EQ(CZavoString::ToInt64(u"-9223372036854775808"), INT64_MIN);
  EXPECT_EQ(CZavoString::ToInt64(u"9223372036854775807"), INT64_MAX);
  EXPECT_EQ(CZavoString::ToInt64(u"99999999999999999999"), INT64_MAX);
}

TEST(ZavoStringTest, BoolsAndNumbersReadBack) {
  EXPECT_TRUE(CZavoString::ToBool(u"1"));
  EXPECT_FALSE(CZavoString::ToBool(u"0"));
  EXPECT_TRUE(CZavoString::ToBool(u"TRUE"));
  EXPECT_FALSE(CZavoString::ToBool(u"false"));
  EXPECT_FALSE(CZavoString::ToBool(u""));
  for (bool b : {true, false}) EXPECT_EQ(CZavoString::ToBool(CZavoString::FromBool(b)), b);
  for (int32_t v : {0, 1, -1, 12, INT32_MAX, INT32_MIN}) {
    SCOPED_TRACE(v);
    EXPECT_EQ(CZavoString::ToInt(CZavoString::FromInt(v)), v);
    EXPECT_EQ(CZavoString::ToLong(CZavoString::FromLong(v)), v);
  }
  EXPECT_EQ(S(CZavoString::FromInt(-42)), u"-42");
  EXPECT_EQ(CZavoString::ToInt64(CZavoString::FromInt64(INT64_MIN)), INT64_MIN);
}

TEST(ZavoStringTest, ToAnsiCutsAtWholeCharacters) {
  char buffer[8];
  EXPECT_TRUE(CZavoString(u"abc").ToAnsi(buffer, sizeof buffer));
  EXPECT_STREQ(buffer, "abc");
  EXPECT_FALSE(CZavoString(u"abcdefghij").ToAnsi(buffer, sizeof buffer));
  EXPECT_STREQ(buffer, "abcdefg");
  // "abcdef" + e-acute needs 8 bytes + NUL: the two-byte character is left out whole.
  EXPECT_FALSE(CZavoString(u"abcdef\u00E9").ToAnsi(buffer, sizeof buffer));
  EXPECT_STREQ(buffer, "abcdef");
  EXPECT_FALSE(CZavoString(u"a").ToAnsi(buffer, 0));
}

TEST(ZavoStringTest, UnpairedSurrogateBecomesReplacement) {
  const char16_t lone[] = {u'a', 0xD800, u'b', 0};
  EXPECT_EQ(CZavoString(lone).ToUtf8(),
            "a\xEF\xBF\xBD"
            "b");
  EXPECT_EQ(S(CZavoString("a\xFF"
                          "b")),
            u"a\uFFFD"
            u"b");
  EXPECT_EQ(S(CZavoString("\xE2\x82")), u"\uFFFD");  // cut short
}

// The formats that the system's callers use, with their arguments' real types.
TEST(ZavoStringFormatTest, CallersFormats) {
  CZavoString s;
  EXPECT_EQ(S(s.Format(u"%s|%d|%d|", CZavoString(u"pipe"), 7, 3)), u"pipe|7|3|");
  EXPECT_EQ(S(s.Format(u"%03d%05d%s", 7, 3, u"abc")), u"00700003abc");
  EXPECT_EQ(S(s.Format(u"%03d%d%05d%s", 42, 1, 0, u"")), u"042100000");
  EXPECT_EQ(S(s.Format(u"%05d%s", 3, CZavoString(u"net"))), u"00003net");
  EXPECT_EQ(S(s.Format(u"%I64d|%I64d|%I64d|%I64d|%d|%d|", int64_t{1} << 40, int64_t{-5}, int64_t{0},
                       int64_t{9223372036854775807LL}, true, false)),
            u"1099511627776|-5|0|9223372036854775807|1|0|");
  EXPECT_EQ(S(s.Format(u"%s|%u|", u"00-11-22-33-44-C5", uint8_t{0xC5})), u"00-11-22-33-44-C5|197|");
  EXPECT_EQ(S(s.Format(u"")), u"");
}

TEST(ZavoStringFormatTest, WindowsIntegerRules) {
  struct Case {
    std::u16string format;
    int64_t value;
    std::u16string want;
  } cases[] = {
      {u"%d", -59, u"-59"},
      {u"%u", -59, u"4294967237"},      // 32-bit unsigned, as the Windows printf reads it
      {u"%d", int64_t{1} << 32, u"0"},  // %d takes 32 bits
      {u"%I64d", int64_t{1} << 32, u"4294967296"},
      {u"%lld", -(int64_t{1} << 40), u"-1099511627776"},
      {u"%ld", 5, u"5"},
      {u"%05d", -42, u"-0042"},
      {u"%03d", 1234, u"1234"},
      {u"%5d", 42, u"   42"},
      {u"%-5d|", 42, u"42   |"},
      {u"%+d", 3, u"+3"},
      {u"%x", 255, u"ff"},
      {u"%#X", 255, u"0XFF"},
      {u"%08X", 0xBEEF, u"0000BEEF"},
      {u"%o", 8, u"10"},
      {u"%.3d", 7, u"007"},
      {u"%hd", 65535, u"-1"},
      {u"%I64u", -1, u"18446744073709551615"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(CZavoString(c.format).ToUtf8());
    CZavoString s;
    EXPECT_EQ(S(s.Format(c.format.c_str(), c.value)), c.want);
  }
}

TEST(ZavoStringFormatTest, TextCharsAndOddDirectives) {
  CZavoString s;
  EXPECT_EQ(S(s.Format(u"[%5s][%-5s][%.2s]", u"ab", u"ab", u"abcdef")), u"[   ab][ab   ][ab]");
  EXPECT_EQ(S(s.Format(u"%s", "narrow \xC3\xA9")), u"narrow \u00E9");
  EXPECT_EQ(S(s.Format(u"%s", static_cast<const char16_t*>(nullptr))), u"(null)");
  EXPECT_EQ(S(s.Format(u"%c%c", u'A', u'\u00E9')), u"A\u00E9");
  EXPECT_EQ(S(s.Format(u"100%%")), u"100%");
  EXPECT_EQ(S(s.Format(u"%*d|", 4, 7)), u"   7|");
  EXPECT_EQ(S(s.Format(u"%.2f", 3.14159)), u"3.14");
  EXPECT_EQ(S(s.Format(u"%d|%d|", 1)), u"1||");  // a missing argument shows nothing
  EXPECT_EQ(S(s.Format(u"%k%d", 5)), u"%k5");    // unknown directive kept as written
  EXPECT_EQ(S(s.Format(u"%s|", 12)), u"12|");    // a number given to %s shows as a number
  EXPECT_EQ(S(s.Format(u"abc%")), u"abc%");
  EXPECT_EQ(S(s.Format(u"%n|%d", 1, 2)), u"|2");
  EXPECT_EQ(s.Format(u"%99999999d", 1).Length(), 4096);  // widths are capped
}

}  // namespace
