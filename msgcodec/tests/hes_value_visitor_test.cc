#include <gtest/gtest.h>
#include <msgcodec/hes_value_visitor.h>

#include <string>

#include "test_messages.h"

namespace {

using msgtest::ErrorText;
using msgtest::MemberName;
using msgtest::TypeName;

std::string B(const char* bytes, size_t n) { return std::string(bytes, n); }

// Every callback as one short token; stops with stopCode at the stopAt-th callback.
class Recorder : public CZavoHesValueVisitor {
 public:
  std::string events;
  int stopAt = -1;
  int stopCode = -7;

  int OnCall(uint8_t major, uint8_t minor, const CZavoHesName& method) override {
    return Add("call" + std::to_string(major) + std::to_string(minor) + ":" + Name(method));
  }
  int OnReply(uint8_t major, uint8_t minor) override {
    return Add("reply" + std::to_string(major) + std::to_string(minor));
  }
  int OnMessageEnd() override { return Add("end"); }
  int OnNull() override { return Add("N"); }
  int OnBool(bool v) override { return Add(v ? "T" : "F"); }
  int OnInt(int32_t v) override { return Add("I" + std::to_string(v)); }
  int OnLong(int64_t v) override { return Add("L" + std::to_string(v)); }
  int OnDouble(double v) override { return Add("D" + std::to_string(v)); }
  int OnDate(int64_t v) override { return Add("d" + std::to_string(v)); }
  int OnString(const char16_t* units, uint32_t length) override {
    std::string text = "S";
    for (uint32_t i = 0; i < length; ++i) text += std::to_string(units[i]) + ",";
    return Add(text);
  }
  int OnBinary(const char* bytes, uint32_t length) override {
    return Add("B" + std::string(bytes == nullptr ? "" : bytes, length));
  }
  int OnObjectStart(const CZavoHesName& type) override { return Add("M" + Name(type)); }
  int OnMember(const CZavoHesName& name) override { return Add("." + Name(name)); }
  int OnObjectEnd() override { return Add("/M"); }
  int OnListStart(const CZavoHesName& type, int32_t count) override {
    return Add("V" + Name(type) + "#" + std::to_string(count));
  }
  int OnListEnd() override { return Add("/V"); }

 private:
  static std::string Name(const CZavoHesName& n) { return std::string(n.Text(), n.Length()); }
  int Add(const std::string& event) {
    if (stopAt-- == 0) return stopCode;
    events += event + " ";
    return HES_OK;
  }
};

struct Outcome {
  int rc;
  std::string events;
  std::string error;
  uint32_t consumed;
};

template <class Read>
Outcome Visit(const std::string& bytes, Read read, int stopAt = -1) {
  CZavoInput input(bytes.data(), static_cast<uint32_t>(bytes.size()));
  CZavoInputParse parse(input);
  Recorder recorder;
  recorder.stopAt = stopAt;
  const int rc = read(parse, recorder);
  return {rc, recorder.events, ErrorText(parse), input.GetNumExtracted()};
}

Outcome Value(const std::string& bytes, int stopAt = -1) {
  return Visit(bytes, MsgCodecVisitValue, stopAt);
}

TEST(HesValueVisitorTest, EveryKindInWireOrder) {
  struct Case {
    std::string bytes;
    const char* events;
  };
  const Case cases[] = {
      {"N", "N "},
      {"T", "T "},
      {B("I\xFF\xFF\xFF\xFE", 5), "I-2 "},
      {B("L\x80\0\0\0\0\0\0\0", 9), "L-9223372036854775808 "},
      {B("D\x3F\xF0\0\0\0\0\0\0", 9), "D1.000000 "},
      {B("d\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 9), "d-1 "},
      // A peer's U+1F600 as two 3-byte sequences arrives as its surrogate pair.
      {B("s\0\x01"
         "aS\0\x02\xED\xA0\xBD\xED\xB8\x80",
         13),
       "S97,55357,56832, "},
      {B("B\0\0", 3), "B "},
      {B("b\0\x01"
         "aB\0\x01"
         "b",
         8),
       "Bab "},
      {"M" + TypeName("x.Outer") + MemberName("in") + "M" + TypeName("Inner") + MemberName("n") +
           "N" + "z" + MemberName("list") + "V" + TypeName("[x.Item") + "l" + B("\0\0\0\x02", 4) +
           "T" + "N" + "z" + "z",
       "Mx.Outer .in MInner .n N /M .list Vx.Item#2 T N /V /M "},
      {"M" + TypeName("x.Nothing") + "z", "Mx.Nothing /M "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.events);
    const Outcome r = Value(c.bytes + "trailing");
    EXPECT_EQ(r.rc, HES_OK) << r.error;
    EXPECT_EQ(r.events, c.events);
    EXPECT_EQ(r.consumed, c.bytes.size());
    EXPECT_EQ(r.error, "");
  }
}

// The texts are the codec's readers' own, innermost first, with the member context of the class
// reader.
TEST(HesValueVisitorTest, FailuresCarryTheCodecTexts) {
  const std::string object = "M" + TypeName("x.Thing") + MemberName("m");
  struct Case {
    const char* name;
    std::string bytes;
    int rc;
    const char* error;
  };
  const Case cases[] = {
      {"nothing", "", HES_E_NO_DATA, "Cannot get variable type"},
      {"back-reference", object + "R" + B("\0\0\0\0", 4) + "z", HES_E_FORMAT,
       "Cannot skip: Unknown type marker: 'R'. Last chars read: 'Mt..x.ThingS..mR'. This happens "
       "in "
       "member \"m\" of class \"x.Thing\""},
      {"truncated int", B("I\0\0", 3), HES_E_NO_DATA,
       "Failed to read integer. Last chars read: ''"},
      {"missing member name", "M" + TypeName("x.T") + "S" + B("\0\x09", 2) + "ab", HES_E_NO_DATA,
       "While parsing class \"x.T\", Got member data length, but could not get the name. Last "
       "chars read: 'Mt..x.TS..'"},
      {"anonymous list", "V" + TypeName("") + "l" + B("\0\0\0\0", 4) + "z", HES_E_NOT_SUPPORTED,
       "Anonymous lists not supported. Last chars read: 'Vt..'"},
      {"variable-length list", "V" + TypeName("[x") + "l" + B("\xFF\xFF\xFF\xFF", 4),
       HES_E_NOT_SUPPORTED,
       "Got negative length, indicating variable length list, which is currently not supported. "
       "Last chars read: 'Vt..[xl....'"},
      {"bad utf-8 in a list",
       "V" + TypeName("[x") + "l" + B("\0\0\0\x01", 4) + B("S\0\x01\xC3(", 5), HES_E_FORMAT,
       "Corrupted utf8: Format of second byte in a two-byte encoding is not 10zzzzzz"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Outcome r = Value(c.bytes);
    EXPECT_EQ(r.rc, c.rc);
    EXPECT_EQ(r.error, c.error);
  }
}

TEST(HesValueVisitorTest, ListCountsCostNothingBeyondTheInput) {
  // Two billion items announced, two present: the read fails where the input ends.
  const Outcome r = Value("V" + TypeName("[x") + "l" + B("\x7F\xFF\xFF\xFF", 4) + "TT");
  EXPECT_EQ(r.rc, HES_E_NO_DATA);
  EXPECT_EQ(r.events, "Vx#2147483647 T T ");
  EXPECT_EQ(r.error, "Cannot get variable type");
}

TEST(HesValueVisitorTest, NestingIsBoundedLikeSkipping) {
  auto nested = [](uint32_t levels) {
    std::string bytes;
    for (uint32_t i = 0; i < levels; ++i) bytes += "V" + TypeName("[x") + "l" + B("\0\0\0\x01", 4);
    bytes += "N";
    for (uint32_t i = 0; i < levels; ++i) bytes += "z";
    return bytes;
  };
  EXPECT_EQ(Value(nested(CZavoInputParse::kMaxSkipDepth)).rc, HES_OK);
  const Outcome deep = Value(nested(CZavoInputParse::kMaxSkipDepth + 1));
  EXPECT_EQ(deep.rc, HES_E_FORMAT);
  EXPECT_EQ(deep.consumed, CZavoInputParse::kMaxSkipDepth * 11 + 1);
  EXPECT_EQ(deep.error,
            "Cannot skip: values nested deeper than 256 levels. Last chars read: "
            "'....Vt..[xl....V'");
}

TEST(HesValueVisitorTest, AVisitorStopsTheReadWithItsCode) {
  const std::string bytes = "V" + TypeName("[x") + "l" + B("\0\0\0\x03", 4) + "TTTz";
  const Outcome r = Value(bytes, 2);
  EXPECT_EQ(r.rc, -7);
  EXPECT_EQ(r.events, "Vx#3 T ");
  EXPECT_EQ(r.consumed, 13u);  // the second item was read before its callback
}

TEST(HesValueVisitorTest, CallsAndReplies) {
  struct Case {
    const char* name;
    std::string bytes;
    int rc;
    const char* events;
    const char* error;
  };
  const Case cases[] = {
      {"our call", B("c\0\x01m\0\x02m1", 8) + "N" + "z", HES_OK, "call01:m1 N end ", ""},
      {"Hessian's call, two arguments", B("c\x01\0m\0\x01p", 7) + "TFz", HES_OK,
       "call10:p T F end ", ""},
      {"reply", B("r\x02\x05", 3) + "M" + TypeName("x.R") + MemberName("a") + "Tzz", HES_OK,
       "reply25 Mx.R .a T /M end ", ""},
      {"null reply", B("r\x01\0Nz", 5), HES_OK, "reply10 N end ", ""},
      {"fault reply", B("r\x01\0f", 4), HES_E_FORMAT, "reply10 ",
       "Expected 'M' or 'N' but got something else. Last chars read: 'r..f'"},
      {"reply of an int", B("r\x01\0I\0\0\0\x01z", 9), HES_E_FORMAT, "reply10 ",
       "Expected 'M' or 'N' but got something else. Last chars read: 'r..I'"},
      {"reply without its end", B("r\x01\0N", 4), HES_E_FORMAT, "reply10 N ",
       "Failed to read the terminating 'z'"},
      {"call header", B("c\0\x01H\0\x01h", 7), HES_E_NOT_SUPPORTED, "",
       "Call headers ('H') not supported. Last chars read: 'c..H'"},
      {"call without a method", B("c\0\x01N", 4), HES_E_FORMAT, "",
       "Expected method ('m') but got something else. Last chars read: 'c..N'"},
      {"neither", "x", HES_E_FORMAT, "",
       "Expected the opening 'c' or 'r', but got something else. Last chars read: 'x'"},
      {"empty", "", HES_E_NO_DATA, "",
       "Could not find data, while looking for the opening 'c' or 'r'"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Outcome r = Visit(c.bytes, MsgCodecVisitMessage);
    EXPECT_EQ(r.rc, c.rc);
    EXPECT_EQ(r.events, c.events);
    EXPECT_EQ(r.error, c.error);
    if (c.rc == HES_OK) {
      EXPECT_EQ(r.consumed, c.bytes.size());
    }
  }
}

// A reply the codec reads into a class is visited with the same outcome and text.
TEST(HesValueVisitorTest, RepliesFailAsTheyDoIntoAClass) {
  const std::string truncated =
      B("r\x01\0", 3) + "M" + TypeName("zavo.cl.Header") + MemberName("cnc") + B("I\0\0", 3);
  CZavoInput input(truncated.data(), static_cast<uint32_t>(truncated.size()));
  CZavoInputParse parse(input);
  msgtest::Header header;
  const int rc = MsgCodecReadResponse(header, parse);
  const Outcome visited = Visit(truncated, MsgCodecVisitResponse);
  EXPECT_EQ(visited.rc, rc);
  EXPECT_EQ(visited.error, ErrorText(parse));
  EXPECT_EQ(visited.consumed, input.GetNumExtracted());
}

}  // namespace
