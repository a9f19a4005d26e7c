#include <msgcodec/hes_scalar.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "test_messages.h"

namespace {

using msgtest::ErrorText;
using msgtest::Write;

std::string B(const char* bytes, size_t n) { return std::string(bytes, n); }

TEST(HesScalarTest, WrittenForms) {
  struct Case {
    const char* name;
    std::function<std::unique_ptr<CZavoHesObject>()> make;
    std::string bytes;
  };
  const Case cases[] = {
      {"true", [] { return std::make_unique<CZavoHesBool>(true); }, "T"},
      {"false", [] { return std::make_unique<CZavoHesBool>(); }, "F"},
      {"int8 -1", [] { return std::make_unique<CZavoHesInt8>(-1); }, B("I\xFF\xFF\xFF\xFF", 5)},
      {"uint8 255", [] { return std::make_unique<CZavoHesUInt8>(255); }, B("I\0\0\0\xFF", 5)},
      {"int16 -2", [] { return std::make_unique<CZavoHesInt16>(-2); }, B("I\xFF\xFF\xFF\xFE", 5)},
      {"uint16 65535", [] { return std::make_unique<CZavoHesUInt16>(65535); },
       B("I\0\0\xFF\xFF", 5)},
      {"int32", [] { return std::make_unique<CZavoHesInt32>(0x01020304); }, "I\x01\x02\x03\x04"},
      {"uint32 max", [] { return std::make_unique<CZavoHesUInt32>(4294967295u); },
       B("I\xFF\xFF\xFF\xFF", 5)},
      {"int64", [] { return std::make_unique<CZavoHesInt64>(-2); },
       B("L\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFE", 9)},
      {"uint64 max", [] { return std::make_unique<CZavoHesUInt64>(~0ull); },
       B("L\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 9)},
      {"double 1.0", [] { return std::make_unique<CZavoHesDouble>(1.0); },
       B("D\x3F\xF0\0\0\0\0\0\0", 9)},
      {"date 0", [] { return std::make_unique<CZavoHesDate>(0); }, B("d\0\0\0\0\0\0\0\0", 9)},
      {"date", [] { return std::make_unique<CZavoHesDate>(0x0102030405060708ull); },
       B("d\x01\x02\x03\x04\x05\x06\x07\x08", 9)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::unique_ptr<CZavoHesObject> value = c.make();
    int rc = -1;
    EXPECT_EQ(Write(*value, &rc), c.bytes);
    EXPECT_EQ(rc, HES_OK);
  }
}

TEST(HesScalarTest, ConversionsKeepTheExtensionRules) {
  CZavoHesUInt8 u8(200);
  EXPECT_EQ(static_cast<uint8_t>(u8), 200);
  CZavoHesInt8 i8;
  i8 = static_cast<int8_t>(-5);
  EXPECT_EQ(static_cast<int8_t>(i8), -5);
  CZavoHesUInt64 u64(~0ull);
  EXPECT_EQ(static_cast<uint64_t>(u64), ~0ull);
  CZavoHesDouble d;
  d = -2.5;
  EXPECT_EQ(static_cast<double>(d), -2.5);
}

TEST(HesScalarTest, ScalarsCannotBeNull) {
  CZavoHesBool b;
  CZavoHesInt32 i;
  CZavoHesDate d;
  for (CZavoHesObject* value : {static_cast<CZavoHesObject*>(&b), static_cast<CZavoHesObject*>(&i),
                                static_cast<CZavoHesObject*>(&d)}) {
    EXPECT_EQ(value->SetNull(true), -1999993);
    EXPECT_FALSE(value->IsNull());
  }
}

// Reads bytes into value; returns the code and fills the error text and bytes consumed.
struct ReadResult {
  int rc;
  std::string error;
  uint32_t consumed;
};

ReadResult ReadInto(CZavoHesObject& value, const std::string& bytes) {
  CZavoInput input(bytes.data(), static_cast<uint32_t>(bytes.size()));
  CZavoInputParse parse(input);
  const int rc = value.Deserialize(parse);
  return {rc, ErrorText(parse), input.GetNumExtracted()};
}

TEST(HesScalarTest, Reading32BitValues) {
  struct Case {
    std::string bytes;
    int rc;
    std::string error;
    uint32_t consumed;
  };
  const Case cases[] = {
      {B("I\x00\x00\x01\x2C", 5), HES_OK, "", 5},
      {B("I\xFF\xFF\xFF\xFF", 5), HES_OK, "", 5},
      {"I\x01\x02\x03", -1999996, "Failed to read integer. Last chars read: ''", 0},
      {"", -1999996, "Failed to read integer. Last chars read: ''", 0},
      {B("L\0\0\0\x01", 5), -1999995,
       "Expected integer ('I'), but got something else. Last chars read: 'L....'", 5},
      {"Nabcd", -1999995,
       "Expected integer ('I'), but got something else. Last chars read: 'Nabcd'", 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.error);
    CZavoHesUInt8 value(7);
    const ReadResult r = ReadInto(value, c.bytes);
    EXPECT_EQ(r.rc, c.rc);
    EXPECT_EQ(r.error, c.error);
    EXPECT_EQ(r.consumed, c.consumed);
    if (c.rc != HES_OK) {
      EXPECT_EQ(static_cast<uint8_t>(value), 7);
    }
  }
}

TEST(HesScalarTest, NarrowClassesKeepTheWholeReceivedField) {
  CZavoHesUInt8 u8;
  ASSERT_EQ(ReadInto(u8, B("I\x00\x00\x01\x2C", 5)).rc, HES_OK);
  EXPECT_EQ(static_cast<uint8_t>(u8), 44);  // 300 held, low 8 bits seen
  // Written back, the whole field travels.
  EXPECT_EQ(Write(u8), B("I\x00\x00\x01\x2C", 5));
  CZavoHesInt32 i32;
  ASSERT_EQ(ReadInto(i32, B("I\xFF\xFF\xFF\xFF", 5)).rc, HES_OK);
  EXPECT_EQ(static_cast<int32_t>(i32), -1);
}

TEST(HesScalarTest, Reading64BitValues) {
  struct Case {
    const char* name;
    std::function<std::unique_ptr<CZavoHesObject>()> make;
    std::string bytes;
    int rc;
    std::string error;
  };
  const std::string eight = B("\0\0\0\0\0\0\0\x01", 8);
  const Case cases[] = {
      {"int64", [] { return std::make_unique<CZavoHesInt64>(); }, "L" + eight, HES_OK, ""},
      {"uint64", [] { return std::make_unique<CZavoHesUInt64>(); }, "L" + eight, HES_OK, ""},
      {"double", [] { return std::make_unique<CZavoHesDouble>(); }, "D" + eight, HES_OK, ""},
      {"date", [] { return std::make_unique<CZavoHesDate>(); }, "d" + eight, HES_OK, ""},
      {"date from L", [] { return std::make_unique<CZavoHesDate>(); }, "L" + eight, -1999995,
       "Expected 64 bit value (with 'd') but got something else. Last chars read: 'L........'"},
      {"double from I", [] { return std::make_unique<CZavoHesDouble>(); }, "I" + eight,
       -1999995,
       "Expected 64 bit value (with 'D') but got something else. Last chars read: 'I........'"},
      {"int64 from d", [] { return std::make_unique<CZavoHesInt64>(); }, "d" + eight, -1999995,
       "Expected 64 bit value (with 'L') but got something else. Last chars read: 'd........'"},
      {"short", [] { return std::make_unique<CZavoHesInt64>(); }, B("L\0\0", 3), -1999996,
       "Failed to read integer64 value. Last chars read: ''"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::unique_ptr<CZavoHesObject> value = c.make();
    const ReadResult r = ReadInto(*value, c.bytes);
    EXPECT_EQ(r.rc, c.rc);
    EXPECT_EQ(r.error, c.error);
    if (c.rc == HES_OK) {
      EXPECT_EQ(r.consumed, 9u);
      EXPECT_EQ(Write(*value), c.bytes);
    }
  }
}

TEST(HesScalarTest, ReadingBooleans) {
  struct Case {
    std::string bytes;
    int rc;
    bool value;
    std::string error;
  };
  const Case cases[] = {
      {"T", HES_OK, true, ""},
      {"F", HES_OK, false, ""},
      {"", -1999996, true, "Failed to read boolean. Last chars read: ''"},
      {"N", -1999995, true,
       "Expected boolean ('T' or 'F') but got something else. Last chars read: 'N'"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bytes);
    CZavoHesBool value(true);
    const ReadResult r = ReadInto(value, c.bytes);
    EXPECT_EQ(r.rc, c.rc);
    EXPECT_EQ(r.error, c.error);
    EXPECT_EQ(static_cast<bool>(value), c.value);
  }
}

}  // namespace
