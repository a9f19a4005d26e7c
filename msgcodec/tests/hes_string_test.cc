#include <msgcodec/hes_string.h>

#include <gtest/gtest.h>

#include <string>

#include "test_messages.h"

namespace {

using msgtest::ErrorText;
using msgtest::Len16;
using msgtest::Write;

std::string B(const char* bytes, size_t n) { return std::string(bytes, n); }

std::u16string Text(const CZavoHesString& s) {
  const char16_t* units;
  const uint32_t n = s.Data(units);
  return n == 0 ? std::u16string() : std::u16string(units, n);
}

std::string Bytes(const CZavoHesBinary& b) {
  const char* bytes;
  const uint32_t n = b.Data(bytes);
  return n == 0 ? std::string() : std::string(bytes, n);
}

TEST(HesStringTest, NewStringIsNullAndWritesN) {
  CZavoHesString s;
  EXPECT_TRUE(s.IsNull());
  EXPECT_EQ(s.Length(), 0u);
  EXPECT_EQ(Write(s), "N");
}

TEST(HesStringTest, WrittenForms) {
  struct Case {
    std::u16string text;
    std::string bytes;
  };
  const Case cases[] = {
      {u"", B("S\0\0", 3)},
      {u"\u00E9", B("S\0\x01\xC3\xA9", 5)},
      {u"a\u20AC", B("S\0\x02" "a\xE2\x82\xAC", 7)},
      {u"hello", B("S\0\x05hello", 8)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bytes);
    CZavoHesString s;
    ASSERT_EQ(s.Copy(c.text.data(), static_cast<uint32_t>(c.text.size())), HES_OK);
    EXPECT_FALSE(s.IsNull());
    EXPECT_EQ(Write(s), c.bytes);
  }
}

TEST(HesStringTest, LongTextIsChunkedEvery65535Units) {
  CZavoHesString s;
  const std::u16string exact(65535, u'x');
  ASSERT_EQ(s.Copy(exact.data(), 65535), HES_OK);
  EXPECT_EQ(Write(s), "S\xFF\xFF" + std::string(65535, 'x'));

  const std::u16string longer = std::u16string(65535, u'x') + u"\u00E9";
  ASSERT_EQ(s.Copy(longer.data(), 65536), HES_OK);
  EXPECT_EQ(Write(s), "s\xFF\xFF" + std::string(65535, 'x') + B("S\0\x01\xC3\xA9", 5));
}

TEST(HesStringTest, SurrogateWritesNothing) {
  CZavoHesString s;
  const char16_t text[] = {u'a', 0xD83D, 0xDE00};
  ASSERT_EQ(s.Copy(text, 3), HES_OK);
  CZavoOutput out(8);
  ASSERT_EQ(out.Append("keep", 4), HES_OK);
  EXPECT_EQ(s.Serialize(out), -1999993);
  EXPECT_EQ(msgtest::Written(out), "keep");
  // DoSerialize leaves the partial bytes to the caller.
  EXPECT_EQ(s.DoSerialize(out), -1999993);
  EXPECT_EQ(msgtest::Written(out), B("keepS\0\x03" "a", 8));
}

TEST(HesStringTest, CopyFormsAndOwnership) {
  CZavoHesString s;
  ASSERT_EQ(s.Copy(u"abc"), HES_OK);
  EXPECT_EQ(Text(s), u"abc");
  EXPECT_TRUE(s.OwnsData());
  ASSERT_EQ(s.Copy("\xE9t\xE9"), HES_OK);  // Latin-1 bytes
  EXPECT_EQ(Text(s), u"\u00E9t\u00E9");
  ASSERT_EQ(s.Copy(u"xyz", 0), HES_OK);
  EXPECT_FALSE(s.IsNull());
  EXPECT_EQ(s.GetData(), nullptr);
  ASSERT_EQ(s.Copy(static_cast<const char16_t*>(nullptr)), HES_OK);
  EXPECT_TRUE(s.IsNull());
  // Copying its own text is safe.
  ASSERT_EQ(s.Copy(u"self"), HES_OK);
  ASSERT_EQ(s.Copy(s.GetData(), 2), HES_OK);
  EXPECT_EQ(Text(s), u"se");

  const std::u16string external = u"outside";
  s.SetExternal(external.data(), 7);
  EXPECT_FALSE(s.OwnsData());
  EXPECT_EQ(s.GetData(), external.data());
  EXPECT_EQ(Write(s), B("S\0\x07outside", 10));
}

struct ReadCase {
  const char* name;
  std::string bytes;
  int rc;
  std::string error;
};

TEST(HesStringTest, ReadingStrings) {
  const ReadCase cases[] = {
      {"empty", B("S\0\0", 3), HES_OK, ""},
      {"two chunks", B("s\0\x01" "aS\0\x01" "b", 8), HES_OK, ""},
      {"e acute", B("S\0\x01\xC3\xA9", 5), HES_OK, ""},
      {"nothing", "", -1999996, "Failed to read string value. Last chars read: ''"},
      {"wrong marker", "I", -1999995,
       "Expected string ('S', 's' or 'N') but got something else. Last chars read: 'I'"},
      {"N after chunk", B("s\0\x01" "aN", 5), -1999995,
       "Expected string ('S', 's' or 'N') but got something else. Last chars read: 's..aN'"},
      {"no length", "S\x01", -1999996,
       "Failed to read length of string value. Last chars read: 'S'"},
      {"short text", B("S\0\x03" "ab", 5), -1999996,
       "Failed to read string value. Last chars read: 'S..ab'"},
      {"no next chunk", B("s\0\x01" "a", 4), -1999996,
       "Expected next block of string data, but got something else. Last chars read: 's..a'"},
      {"bad 2-byte", B("S\0\x01\xC3\x28", 5), -1999995,
       "Corrupted utf8: Format of second byte in a two-byte encoding is not 10zzzzzz"},
      {"cut 2-byte", B("S\0\x01\xC3", 4), -1999995,
       "Corrupted utf8: Sequence terminated in the middle of a 2-byte char"},
      {"cut 3-byte", B("S\0\x01\xE2\x82", 5), -1999995,
       "Corrupted utf8: Sequence terminated in the middle of a 3-byte char"},
      {"bad 3-byte", B("S\0\x01\xE2\x82\x41", 6), -1999995,
       "Corrupted utf8: Format of second or third byte in a three-byte encoding is not "
       "10zzzzzz"},
      {"4-byte", B("S\0\x01\xF0\x9F\x98\x80", 7), -1999995,
       "utf8: Unicode value greater than 0xFFFF not supported yet"},
      {"continuation lead", B("S\0\x01\x80", 4), -1999995,
       "Corrupted utf8: Unsupported leading byte"},
      {"F8 lead", B("S\0\x01\xF8", 4), -1999995, "Corrupted utf8: Unsupported leading byte"},
  };
  for (const ReadCase& c : cases) {
    SCOPED_TRACE(c.name);
    CZavoHesString s;
    ASSERT_EQ(s.Copy(u"old"), HES_OK);
    CZavoInput input(c.bytes.data(), static_cast<uint32_t>(c.bytes.size()));
    CZavoInputParse parse(input);
    EXPECT_EQ(s.Deserialize(parse), c.rc);
    EXPECT_EQ(ErrorText(parse), c.error);
    if (c.rc != HES_OK) {
      // Failures keep the earlier content.
      EXPECT_EQ(Text(s), u"old");
      EXPECT_FALSE(s.IsNull());
    } else {
      EXPECT_FALSE(s.IsNull());
      EXPECT_EQ(input.GetNumExtracted(), c.bytes.size());
    }
  }
}

TEST(HesStringTest, ReadValues) {
  struct Case {
    std::string bytes;
    std::u16string text;
  };
  const Case cases[] = {
      {B("S\0\0", 3), u""},
      {B("s\0\x01" "aS\0\x01" "b", 8), u"ab"},
      {B("S\0\x01\xC3\xA9", 5), u"\u00E9"},
      {B("S\0\x02" "a\xE2\x82\xAC", 7), u"a\u20AC"},
      // Encoded surrogates and overlong forms decode by the formula.
      {B("S\0\x02\xED\xA0\xBD\xED\xB8\x80", 9), u"\U0001F600"},
      {B("S\0\x01\xC0\x80", 5), std::u16string(1, u'\0')},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bytes);
    CZavoHesString s;
    CZavoInput input(c.bytes.data(), static_cast<uint32_t>(c.bytes.size()));
    CZavoInputParse parse(input);
    ASSERT_EQ(s.Deserialize(parse), HES_OK);
    EXPECT_EQ(Text(s), c.text);
    EXPECT_EQ(s.Length(), c.text.size());
    EXPECT_TRUE(s.OwnsData() || c.text.empty());
  }
}

TEST(HesStringTest, ReadingNullLeavesExternalTextAlone) {
  std::u16string external = u"mine";
  CZavoHesString s;
  s.SetExternal(external.data(), 4);
  CZavoInput input("N", 1);
  CZavoInputParse parse(input);
  ASSERT_EQ(s.Deserialize(parse), HES_OK);
  EXPECT_TRUE(s.IsNull());
  EXPECT_EQ(s.GetData(), nullptr);
  EXPECT_EQ(external, u"mine");
}

TEST(HesStringTest, ManyChunksReadBackWhole) {
  // 40 chunks of 32768 units, the way the Java peer chunks.
  std::string bytes;
  std::u16string expected;
  for (int i = 0; i < 40; ++i) {
    bytes += (i == 39 ? "S" : "s") + Len16(32768);
    for (int k = 0; k < 32768; ++k) {
      bytes += (k % 2 == 0) ? std::string("\xC3\xA9") : std::string(1, 'a' + i % 26);
      expected += (k % 2 == 0) ? u'\u00E9' : static_cast<char16_t>(u'a' + i % 26);
    }
  }
  CZavoHesString s;
  CZavoInput input(bytes.data(), static_cast<uint32_t>(bytes.size()));
  CZavoInputParse parse(input);
  ASSERT_EQ(s.Deserialize(parse), HES_OK);
  EXPECT_TRUE(Text(s) == expected);
  // Written again, it is chunked our way and reads back the same.
  CZavoOutput out(1024);
  ASSERT_EQ(s.Serialize(out), HES_OK);
  CZavoHesString again;
  CZavoInput input2(out.Data(), out.DataSize());
  CZavoInputParse parse2(input2);
  ASSERT_EQ(again.Deserialize(parse2), HES_OK);
  EXPECT_TRUE(Text(again) == expected);
}

TEST(HesBinaryTest, WrittenForms) {
  CZavoHesBinary b;
  EXPECT_TRUE(b.IsNull());
  EXPECT_EQ(Write(b), "N");
  ASSERT_EQ(b.Copy("\x01\x02\x03", 3), HES_OK);
  EXPECT_EQ(Write(b), B("B\0\x03\x01\x02\x03", 6));
  ASSERT_EQ(b.Copy("x", 0), HES_OK);
  EXPECT_EQ(Write(b), B("B\0\0", 3));
  ASSERT_EQ(b.Copy(nullptr, 5), HES_OK);
  EXPECT_TRUE(b.IsNull());
}

TEST(HesBinaryTest, LongValueIsChunkedAndReadsBackWhole) {
  std::string value(65536, '\0');
  for (size_t i = 0; i < value.size(); ++i) value[i] = static_cast<char>(i * 7);
  CZavoHesBinary b;
  ASSERT_EQ(b.Copy(value.data(), 65536), HES_OK);
  const std::string bytes = Write(b);
  EXPECT_EQ(bytes, "b\xFF\xFF" + value.substr(0, 65535) + B("B\0\x01", 3) + value.substr(65535));
  CZavoHesBinary back;
  CZavoInput input(bytes.data(), static_cast<uint32_t>(bytes.size()));
  CZavoInputParse parse(input);
  ASSERT_EQ(back.Deserialize(parse), HES_OK);
  EXPECT_EQ(Bytes(back), value);
  EXPECT_TRUE(back.OwnsData());
}

TEST(HesBinaryTest, ReadingBinaries) {
  const ReadCase cases[] = {
      {"empty", B("B\0\0", 3), HES_OK, ""},
      {"two chunks", B("b\0\x01" "aB\0\x02" "bc", 9), HES_OK, ""},
      {"nothing", "", -1999996, "Failed to read binary value. Last chars read: ''"},
      {"wrong marker", "S", -1999995,
       "Expected binary ('B', 'b' or 'N') but got something else. Last chars read: 'S'"},
      {"no length", "B", -1999996,
       "Failed to read length of binary value. Last chars read: 'B'"},
      {"short bytes", B("B\0\x03" "ab", 5), -1999996,
       "Failed to read binary value. Last chars read: 'B..'"},
      {"no next chunk", B("b\0\x01" "a", 4), -1999996,
       "Expected next block of binary data, but got something else. Last chars read: 'b..a'"},
      {"bad next chunk", B("b\0\x01" "aS", 5), -1999995,
       "Expected binary ('B', 'b' or 'N') but got something else. Last chars read: 'b..aS'"},
  };
  for (const ReadCase& c : cases) {
    SCOPED_TRACE(c.name);
    CZavoHesBinary b;
    ASSERT_EQ(b.Copy("old", 3), HES_OK);
    CZavoInput input(c.bytes.data(), static_cast<uint32_t>(c.bytes.size()));
    CZavoInputParse parse(input);
    EXPECT_EQ(b.Deserialize(parse), c.rc);
    EXPECT_EQ(ErrorText(parse), c.error);
    if (c.rc != HES_OK) {
      EXPECT_EQ(Bytes(b), "old");
    }
    EXPECT_FALSE(b.IsNull());
  }
}

TEST(HesBinaryTest, ReadingNullReleasesOwnedBytes) {
  CZavoHesBinary b;
  ASSERT_EQ(b.Copy("abc", 3), HES_OK);
  CZavoInput input("N", 1);
  CZavoInputParse parse(input);
  ASSERT_EQ(b.Deserialize(parse), HES_OK);
  EXPECT_TRUE(b.IsNull());
  EXPECT_EQ(b.Length(), 0u);
  EXPECT_EQ(input.GetNumExtracted(), 1u);
}

}  // namespace
