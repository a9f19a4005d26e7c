#include <msgcodec/zavo_input.h>

#include <gtest/gtest.h>

#include <string>

#include "test_messages.h"

namespace {

using msgtest::ErrorText;
using msgtest::Outcome;
using msgtest::MemberName;
using msgtest::TypeName;

std::string B(const char* bytes, size_t n) { return std::string(bytes, n); }

Outcome Skip(const std::string& bytes) {
  CZavoInput input(bytes.data(), static_cast<uint32_t>(bytes.size()));
  CZavoInputParse parse(input);
  const int rc = parse.SkipValue();
  return {rc, ErrorText(parse), input.GetNumExtracted()};
}

TEST(SkipValueTest, EveryKindIsConsumedWhole) {
  const std::string values[] = {
      "N",
      "T",
      "F",
      B("I\0\0\0\x01", 5),
      B("L\0\0\0\0\0\0\0\x01", 9),
      B("D\0\0\0\0\0\0\0\x01", 9),
      B("d\0\0\0\0\0\0\0\x01", 9),
      B("S\0\x02\xC3\xA9" "a", 6),
      B("s\0\x01" "aS\0\x01" "b", 8),
      B("B\0\x02" "ab", 5),
      B("b\0\x01" "aB\0\0", 7),
      "M" + TypeName("any.Thing") + MemberName("x") + "T" + "z",
      "M" + TypeName("") + "z",
      "V" + TypeName("[any.Thing") + "l" + B("\0\0\0\x02", 4) + "N" + "T" + "z",
  };
  for (const std::string& value : values) {
    SCOPED_TRACE(value);
    const Outcome r = Skip(value + "trailing");
    EXPECT_EQ(r.rc, HES_OK) << r.error;
    EXPECT_EQ(r.consumed, value.size());
    EXPECT_EQ(r.error, "");
  }
}

TEST(SkipValueTest, Failures) {
  struct Case {
    const char* name;
    std::string bytes;
    int rc;
    std::string error;
  };
  const Case cases[] = {
      {"nothing", "", -1999996, "Cannot get variable type"},
      {"short int", B("I\0\0\0", 4), -1999996, ""},
      {"short long", B("L\0\0\0", 4), -1999996, ""},
      {"unknown", "abcx", -1999995,
       "Cannot skip: Unknown type marker: 'a'. Last chars read: 'a'"},
      {"back reference", B("R\0\0\0\0", 5), -1999995,
       "Cannot skip: Unknown type marker: 'R'. Last chars read: 'R'"},
      {"fault", "f", -1999995, "Cannot skip: Unknown type marker: 'f'. Last chars read: 'f'"},
      {"short string", B("S\0\x05" "ab", 5), -1999996,
       "Failed to read string value. Last chars read: 'S..ab'"},
      {"bad list", "V" + TypeName("[x") + "l" + B("\xFF\xFF\xFF\xFF", 4), -1999993,
       "Got negative length, indicating variable length list, which is currently not "
       "supported. Last chars read: 'Vt..[xl....'"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Outcome r = Skip(c.bytes);
    EXPECT_EQ(r.rc, c.rc);
    EXPECT_EQ(r.error, c.error);
  }
}

TEST(SkipValueTest, UnknownMarkerShowsItInTheLastChars) {
  const std::string bytes = "0123456789abcdefghijx";
  CZavoInput input(bytes.data(), static_cast<uint32_t>(bytes.size()));
  CZavoInputParse parse(input);
  const char* p;
  ASSERT_EQ(input.Extract(p, 20), HES_OK);
  EXPECT_EQ(parse.SkipValue(), -1999995);
  EXPECT_EQ(ErrorText(parse),
            "Cannot skip: Unknown type marker: 'x'. Last chars read: '56789abcdefghijx'");
}

// depth values nested as objects: M t "" (S "a" M ...)... z.
std::string NestedObjects(int depth) {
  std::string bytes;
  for (int i = 0; i < depth; ++i) bytes += "M" + TypeName("") + MemberName("a");
  bytes += "N";
  for (int i = 0; i < depth; ++i) bytes += "z";
  return bytes;
}

std::string NestedLists(int depth) {
  std::string bytes;
  for (int i = 0; i < depth; ++i) bytes += "V" + TypeName("[") + "l" + B("\0\0\0\x01", 4);
  bytes += "N";
  for (int i = 0; i < depth; ++i) bytes += "z";
  return bytes;
}

TEST(SkipValueTest, NestingUpToTheBoundIsSkipped) {
  const int bound = static_cast<int>(CZavoInputParse::kMaxSkipDepth);
  for (const std::string& bytes : {NestedObjects(bound), NestedLists(bound)}) {
    const Outcome r = Skip(bytes);
    EXPECT_EQ(r.rc, HES_OK) << r.error.substr(0, 200);
    EXPECT_EQ(r.consumed, bytes.size());
  }
}

TEST(SkipValueTest, NestingBeyondTheBoundIsRefused) {
  const int bound = static_cast<int>(CZavoInputParse::kMaxSkipDepth);
  const Outcome objects = Skip(NestedObjects(bound + 1));
  EXPECT_EQ(objects.rc, -1999995);
  EXPECT_EQ(objects.error,
            "Cannot skip: values nested deeper than 256 levels. Last chars read: 't..S..aMt..S..aM'");
  const Outcome lists = Skip(NestedLists(bound + 1));
  EXPECT_EQ(lists.rc, -1999995);
  EXPECT_EQ(lists.error.rfind("Cannot skip: values nested deeper than 256 levels", 0), 0u);
}

TEST(SkipValueTest, HugeNestingFailsWithoutExhaustingTheStack) {
  // A few hundred kilobytes of "V" and "M" markers, as a hostile reply would send.
  std::string bytes;
  for (int i = 0; i < 50000; ++i) {
    bytes += (i % 2 == 0) ? "M" + TypeName("") + MemberName("a")
                          : "V" + TypeName("[") + "l" + B("\0\0\0\x01", 4);
  }
  const Outcome r = Skip(bytes);
  EXPECT_EQ(r.rc, -1999995);
  EXPECT_NE(r.error.find("Cannot skip: values nested deeper than 256 levels"), std::string::npos);
}

TEST(SkipValueTest, UnknownMemberNestingInsideAMessageIsBoundToo) {
  msgtest::GeneralReq req;
  const std::string bytes = "M" + TypeName("zavo.cl.GeneralReq") + MemberName("deep") +
                            NestedObjects(1000) + "z";
  CZavoInput input(bytes.data(), static_cast<uint32_t>(bytes.size()));
  CZavoInputParse parse(input);
  EXPECT_EQ(req.Deserialize(parse), -1999995);
  EXPECT_NE(ErrorText(parse).find("nested deeper than 256"), std::string::npos);
}

}  // namespace
