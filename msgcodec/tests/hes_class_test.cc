#include <msgcodec/hes_class.h>

#include <gtest/gtest.h>

#include <string>
#include <type_traits>
#include <vector>

#include "test_messages.h"

namespace {

using msgtest::ErrorText;
using msgtest::Outcome;
using msgtest::ReadInto;
using msgtest::Len16;
using msgtest::MemberName;
using msgtest::TypeName;
using msgtest::Write;

std::string B(const char* bytes, size_t n) { return std::string(bytes, n); }
std::string I32(uint32_t v) {
  return std::string{'I', static_cast<char>(v >> 24), static_cast<char>(v >> 16),
                     static_cast<char>(v >> 8), static_cast<char>(v)};
}
std::string L64(uint64_t v) {
  std::string s = "L";
  for (int i = 7; i >= 0; --i) s += static_cast<char>(v >> (8 * i));
  return s;
}

TEST(HesNameTest, CompareBytesThenLengths) {
  struct Case {
    CZavoHesName a, b;
    int sign;
  };
  const Case cases[] = {
      {{"abc", 3}, {"abc", 3}, 0},  {{"abc", 3}, {"abd", 3}, -1}, {{"abd", 3}, {"abc", 3}, 1},
      {{"ab", 2}, {"abc", 3}, -1},  {{"abc", 3}, {"ab", 2}, 1},
      {{"\xC3", 1}, {"a", 1}, -1},  // signed chars: 0xC3 is negative
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.a.Text(), c.a.Length()) + " vs " +
                 std::string(c.b.Text(), c.b.Length()));
    const int r = c.a.Compare(c.b);
    EXPECT_EQ((r > 0) - (r < 0), c.sign);
  }
}

TEST(HesClassTest, GeneralReqGoldenBytes) {
  msgtest::GeneralReq req;
  req.isLan = 1;
  EXPECT_EQ(Write(req),
            B("Mt\0\x12zavo.cl.GeneralReqS\0\x05isLanI\0\0\0\x01z", 36));
}

TEST(HesClassTest, NullClassWritesN) {
  msgtest::GeneralReq req;
  EXPECT_EQ(req.SetNull(true), HES_OK);
  EXPECT_EQ(Write(req), "N");
}

TEST(HesClassTest, DefaultsFollowTheMemberClasses) {
  msgtest::Report report;
  EXPECT_FALSE(report.IsNull());
  EXPECT_FALSE(report.header.IsNull());
  EXPECT_FALSE(report.items.IsNull());
  EXPECT_EQ(report.ItemCount(), 0);
  EXPECT_TRUE(report.note.IsNull());
  EXPECT_EQ(static_cast<int32_t>(report.reqID), 0);
  EXPECT_EQ(static_cast<int64_t>(report.header.cnr), 0);
}

// A default Report written: base members first, nested object in full, empty list, null text.
std::string DefaultReportBytes() {
  return "M" + TypeName("zavo.cl.Report") + MemberName("reqID") + I32(0) + MemberName("header") +
         "M" + TypeName("zavo.cl.Header") + MemberName("cnc") + I32(0) + MemberName("cnu") +
         I32(0) + MemberName("cnr") + L64(0) + MemberName("session") + I32(0) +
         MemberName("os") + I32(0) + "z" + MemberName("items") + "V" + TypeName("[zavo.cl.Item") +
         "l" + B("\0\0\0\0", 4) + "z" + MemberName("general") + "M" +
         TypeName("zavo.cl.GeneralReq") + MemberName("isLan") + I32(0) + "z" +
         MemberName("note") + "N" + "z";
}

TEST(HesClassTest, DerivedClassWritesBaseMembersFirst) {
  msgtest::Report report;
  EXPECT_EQ(Write(report), DefaultReportBytes());
  // Written twice, the same bytes: the table is built once and kept.
  EXPECT_EQ(Write(report), DefaultReportBytes());
}

TEST(HesClassTest, VisitorWalksBaseMembersFirst) {
  msgtest::Report report;
  std::vector<std::string> names;
  report.VisitHesMembers([&](const CZavoHesName& name, auto&) {
    names.emplace_back(name.Text(), name.Length());
    return HES_OK;
  });
  EXPECT_EQ(names, (std::vector<std::string>{"reqID", "header", "items", "general", "note"}));
  EXPECT_EQ(std::string(msgtest::Report::kHes_note.Text()), "note");
}

// Fills every member of a message by its class, the way a catalogue-wide test does.
struct FillEveryMember {
  int seed;
  template <class Member>
  int operator()(const CZavoHesName&, Member& member) const {
    if constexpr (std::is_same_v<Member, CZavoHesString>) {
      return member.Copy(u"filled");
    } else if constexpr (std::is_same_v<Member, CZavoHesBinary>) {
      return member.Copy("\x01\x02", 2);
    } else if constexpr (std::is_base_of_v<CZavoHesClass, Member>) {
      return member.VisitHesMembers(*this);
    } else if constexpr (std::is_base_of_v<CZavoHesArrayBase, Member>) {
      return HES_OK;
    } else {
      member = seed;
      return HES_OK;
    }
  }
};

TEST(HesClassTest, VisitorFillsAWholeMessage) {
  msgtest::Report report;
  ASSERT_EQ(report.VisitHesMembers(FillEveryMember{3}), HES_OK);
  EXPECT_EQ(static_cast<int32_t>(report.reqID), 3);
  EXPECT_EQ(static_cast<int64_t>(report.header.cnr), 3);
  EXPECT_EQ(static_cast<int8_t>(report.general.isLan), 3);
  EXPECT_EQ(report.note.Length(), 6u);
  const std::string bytes = Write(report);
  msgtest::Report back;
  ASSERT_EQ(ReadInto(back, bytes).rc, HES_OK);
  EXPECT_EQ(Write(back), bytes);
}

TEST(HesClassTest, PlainClassAndDeclaredClassOverIt) {
  msgtest::Plain plain;
  plain.count = 3;
  ASSERT_EQ(plain.label.Copy("x"), HES_OK);
  const std::string plainBytes = "M" + TypeName("Plain") + MemberName("count") + I32(3) +
                                 MemberName("label") + B("S\0\x01x", 4) + "z";
  EXPECT_EQ(Write(plain), plainBytes);
  msgtest::Plain back;
  ASSERT_EQ(ReadInto(back, plainBytes).rc, HES_OK);
  EXPECT_EQ(static_cast<int32_t>(back.count), 3);
  EXPECT_EQ(back.label.Length(), 1u);

  msgtest::PlainDerived derived;
  derived.count = 1;
  derived.extra = true;
  EXPECT_EQ(Write(derived), "M" + TypeName("zavo.cl.PlainDerived") + MemberName("count") +
                                I32(1) + MemberName("label") + "N" + MemberName("extra") + "T" +
                                "z");
}

TEST(HesClassTest, ClassWithoutTableRefusesToWrite) {
  msgtest::NoTable noTable;
  int rc = 0;
  Write(noTable, &rc);
  EXPECT_EQ(rc, -1999993);
  EXPECT_EQ(ReadInto(noTable, "N").rc, -1999993);

  msgtest::Empty empty;
  const std::string written = Write(empty, &rc);
  EXPECT_EQ(rc, -1999998);
  EXPECT_EQ(written, "M" + TypeName("zavo.cl.Empty"));  // the caller takes it back
}

TEST(HesClassTest, RoundTripOfEveryKind) {
  msgtest::Report report;
  report.reqID = 42;
  report.header.cnr = -5;
  report.general.isLan = 1;
  ASSERT_EQ(report.note.Copy(u"n\u00F6te"), HES_OK);
  for (int i = 0; i < 3; ++i) {
    auto* item = new msgtest::Item;
    item->flag = true;
    item->i8 = static_cast<int8_t>(-i);
    item->u16 = static_cast<uint16_t>(60000 + i);
    item->u64 = ~0ull - i;
    item->dbl = 0.5 * i;
    item->date = 1700000000000ull + i;
    ASSERT_EQ(item->text.Copy(u"t"), HES_OK);
    ASSERT_EQ(item->blob.Copy("\0\1", 2), HES_OK);
    ASSERT_EQ(report.items.Add(*item), HES_OK);
  }
  const std::string bytes = Write(report);
  msgtest::Report back;
  const Outcome r = ReadInto(back, bytes);
  ASSERT_EQ(r.rc, HES_OK) << r.error;
  EXPECT_EQ(r.consumed, bytes.size());
  EXPECT_EQ(Write(back), bytes);
  ASSERT_EQ(back.items.Count(), 3);
  EXPECT_EQ(static_cast<uint64_t>(back.items.GetAt(2)->u64), ~0ull - 2);
  EXPECT_EQ(static_cast<int8_t>(back.items.GetAt(1)->i8), -1);
  EXPECT_EQ(static_cast<uint64_t>(back.items.GetAt(2)->date), 1700000000002ull);
  EXPECT_EQ(back.items.GetAt(3), nullptr);
}

TEST(HesClassTest, MembersInAnyOrderAndMissingOnes) {
  msgtest::Request req;
  req.reqID = 9;  // a number not sent keeps its value
  const std::string bytes = "M" + TypeName("zavo.cl.Request") + MemberName("header") + "M" +
                            TypeName("zavo.cl.Header") + MemberName("os") + I32(7) +
                            MemberName("cnc") + I32(1) + "z" + "z";
  ASSERT_EQ(ReadInto(req, bytes).rc, HES_OK);
  EXPECT_EQ(static_cast<int32_t>(req.reqID), 9);
  EXPECT_EQ(static_cast<int32_t>(req.header.os), 7);
  EXPECT_EQ(static_cast<int32_t>(req.header.cnc), 1);

  // Nullable members not sent end null.
  msgtest::Report report;
  ASSERT_EQ(report.note.Copy("was here"), HES_OK);
  ASSERT_EQ(ReadInto(report, "M" + TypeName("zavo.cl.Report") + MemberName("reqID") + I32(1) +
                                 "z")
                .rc,
            HES_OK);
  EXPECT_TRUE(report.note.IsNull());
  EXPECT_TRUE(report.header.IsNull());
  EXPECT_TRUE(report.items.IsNull());
}

TEST(HesClassTest, UnknownMembersOfEveryKindAreSkipped) {
  const std::string unknown[] = {
      "N", "T", I32(5), L64(6), B("D\0\0\0\0\0\0\0\0", 9), B("d\0\0\0\0\0\0\0\0", 9),
      B("S\0\x02" "ab", 5), B("s\0\x01" "aS\0\0", 7), B("B\0\x01" "x", 4),
      "M" + TypeName("other.Thing") + MemberName("a") + I32(1) + MemberName("b") + "M" +
          TypeName("x") + "z" + "z",
      "V" + TypeName("[other.Thing") + "l" + B("\0\0\0\x02", 4) + "M" + TypeName("t") + "z" +
          I32(3) + "z",
  };
  for (const std::string& value : unknown) {
    SCOPED_TRACE(value);
    msgtest::GeneralReq req;
    const std::string bytes = "M" + TypeName("zavo.cl.GeneralReq") + MemberName("future") +
                              value + MemberName("isLan") + I32(1) + "z";
    const Outcome r = ReadInto(req, bytes);
    EXPECT_EQ(r.rc, HES_OK) << r.error;
    EXPECT_EQ(r.consumed, bytes.size());
    EXPECT_EQ(static_cast<int8_t>(req.isLan), 1);
  }
}

TEST(HesClassTest, ReadingNullConsumesOneByte) {
  msgtest::GeneralReq req;
  const Outcome r = ReadInto(req, "Nz");
  EXPECT_EQ(r.rc, HES_OK);
  EXPECT_TRUE(req.IsNull());
  EXPECT_EQ(r.consumed, 1u);
  // "M" makes it not null again.
  ASSERT_EQ(ReadInto(req, "M" + TypeName("zavo.cl.GeneralReq") + "z").rc, HES_OK);
  EXPECT_FALSE(req.IsNull());
}

TEST(HesClassTest, ReadingErrors) {
  const std::string head = "M" + TypeName("zavo.cl.GeneralReq");
  struct Case {
    const char* name;
    std::string bytes;
    int rc;
    std::string error;
  };
  const Case cases[] = {
      {"nothing", "", -1999996,
       "Failed to get content indicator ('M' or 'N'). Last chars read: ''"},
      {"fault reply", "f", -1999995,
       "Expected 'M' or 'N' but got something else. Last chars read: 'f'"},
      {"no t", "M", -1999996, "Failed to get class type indicator ('t'). Last chars read: 'M'"},
      {"not t", "Mx", -1999995,
       "Expected 't' and then length but got something else. Last chars read: 'Mx'"},
      {"no length", "Mt\x01", -1999996,
       "Failed to get class name length (after 't'). Last chars read: 'Mt'"},
      {"short name", B("Mt\0\x05" "ab", 6), -1999996,
       "Failed to get read class name. Last chars read: 'Mt..'"},
      {"wrong class", "M" + TypeName("zavo.cl.Header") + "z", -1999995,
       "Expected class \"zavo.cl.GeneralReq\" but got \"zavo.cl.Header\". Last chars read: "
       "'..zavo.cl.Header'"},
      {"class name alone", "M" + TypeName("GeneralReq"), -1999995,
       "Expected class \"zavo.cl.GeneralReq\" but got \"GeneralReq\". Last chars read: "
       "'Mt..GeneralReq'"},
      {"other namespace", "M" + TypeName("zavo.cx.GeneralReq"), -1999995,
       "Expected class \"zavo.cl.GeneralReq\" but got \"zavo.cx.GeneralReq\". Last chars read: "
       "'vo.cx.GeneralReq'"},
      {"no member", head, -1999996,
       "While parsing class \"zavo.cl.GeneralReq\", expected either 'S' or 'z' but could not "
       "get data. Last chars read: 'vo.cl.GeneralReq'"},
      {"not S", head + "x", -1999995,
       "While parsing class \"zavo.cl.GeneralReq\", expected either 'S' or 'z' but got "
       "something else. Last chars read: 'o.cl.GeneralReqx'"},
      {"no name length", head + "S\0", -1999996,
       "While parsing class \"zavo.cl.GeneralReq\", expected member name length (after 'S') "
       "but got no data. Last chars read: 'o.cl.GeneralReqS'"},
      {"short name", head + B("S\0\x09" "isL", 6), -1999996,
       "While parsing class \"zavo.cl.GeneralReq\", Got member data length, but could not get "
       "the name. Last chars read: 'cl.GeneralReqS..'"},
      {"short member", head + MemberName("isLan") + "Tz", -1999996,
       "Failed to read integer. Last chars read: 'neralReqS..isLan'"
       ". This happens in member \"isLan\" of class \"zavo.cl.GeneralReq\""},
      {"bad member", head + MemberName("isLan") + B("F\0\0\0\x01", 5) + "z", -1999995,
       "Expected integer ('I'), but got something else. Last chars read: 'ReqS..isLanF....'"
       ". This happens in member \"isLan\" of class \"zavo.cl.GeneralReq\""},
      {"bad unknown", head + MemberName("x") + "x", -1999995,
       "Cannot skip: Unknown type marker: 'x'. Last chars read: '.GeneralReqS..xx'"},
      {"back reference", head + MemberName("x") + B("R\0\0\0\x01", 5), -1999995,
       "Cannot skip: Unknown type marker: 'R'. Last chars read: '.GeneralReqS..xR'"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    msgtest::GeneralReq req;
    const Outcome r = ReadInto(req, c.bytes);
    EXPECT_EQ(r.rc, c.rc);
    EXPECT_EQ(r.error, c.error);
  }
}

TEST(HesClassTest, NestedFailuresReadInnermostFirst) {
  // Report > header (Header) > cnr holds a string.
  const std::string bytes = "M" + TypeName("zavo.cl.Report") + MemberName("header") + "M" +
                            TypeName("zavo.cl.Header") + MemberName("cnr") + B("S\0\0", 3);
  msgtest::Report report;
  const Outcome r = ReadInto(report, bytes);
  EXPECT_EQ(r.rc, -1999996);
  EXPECT_EQ(r.error,
            "Failed to read integer64 value. Last chars read: '.cl.HeaderS..cnr'"
            ". This happens in member \"cnr\" of class \"zavo.cl.Header\""
            ". This happens in member \"header\" of class \"zavo.cl.Report\"");
}

TEST(HesClassTest, EndDeserializeMessages) {
  // Typed-value wrappers close their object with EndDeserialize; a small one shows its texts.
  class Closing : public msgtest::GeneralReq {
   public:
    int Close(CZavoInputParse& parse) { return EndDeserialize(parse); }
  };
  struct Case {
    std::string bytes;
    int rc;
    std::string error;
  };
  const Case cases[] = {
      {"z", HES_OK, ""},
      {"", -1999996,
       "Failed to read terminating 'z' for . Last chars read: ''class \"zavo.cl.GeneralReq\""},
      {"q", -1999995,
       "Expected terminating 'z' for class \"zavo.cl.GeneralReq\" but got something else. Last "
       "chars read: 'q'"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bytes);
    Closing closing;
    CZavoInput input(c.bytes.data(), static_cast<uint32_t>(c.bytes.size()));
    CZavoInputParse parse(input);
    EXPECT_EQ(closing.Close(parse), c.rc);
    EXPECT_EQ(ErrorText(parse), c.error);
  }
}

// A member whose reader fails without a message of its own.
class Silent : public CZavoHesObject {
 public:
  int Deserialize(CZavoInputParse&) override { return HES_E_NO_MEMORY; }
};

class Holder : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "", "Holder", (Silent, quiet))
};

TEST(HesClassTest, FirstFailureWithoutEarlierTextSaysErrorDeserializing) {
  Holder holder;
  const Outcome r =
      ReadInto(holder, "M" + TypeName("Holder") + MemberName("quiet") + I32(0) + "z");
  EXPECT_EQ(r.rc, -1999997);
  EXPECT_EQ(r.error, "Error deserializing member \"quiet\" of class \"Holder\"");
}

TEST(HesClassTest, SkipClassReadsAnyObject) {
  CZavoHesSkipClass skip;
  const std::string bytes = "M" + TypeName("any.Type") + MemberName("a") + I32(1) +
                            MemberName("b") + "M" + TypeName("x") + MemberName("c") +
                            B("S\0\x01" "c", 4) + "z" + "z";
  const Outcome r = ReadInto(skip, bytes);
  EXPECT_EQ(r.rc, HES_OK) << r.error;
  EXPECT_EQ(r.consumed, bytes.size());
}

}  // namespace
