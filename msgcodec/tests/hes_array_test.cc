#include <msgcodec/hes_array.h>

#include <gtest/gtest.h>

#include <string>

#include "test_messages.h"

namespace {

using msgtest::ErrorText;
using msgtest::Outcome;
using msgtest::ReadInto;
using msgtest::MemberName;
using msgtest::TypeName;
using msgtest::Write;

std::string B(const char* bytes, size_t n) { return std::string(bytes, n); }
std::string Count(uint32_t n) {
  return std::string{'l', static_cast<char>(n >> 24), static_cast<char>(n >> 16),
                     static_cast<char>(n >> 8), static_cast<char>(n)};
}
std::string GeneralReq(int isLan) {
  return "M" + TypeName("zavo.cl.GeneralReq") + MemberName("isLan") +
         std::string{'I', 0, 0, 0, static_cast<char>(isLan)} + "z";
}

TEST(HesArrayTest, EmptyListGoldenBytes) {
  CZavoHesArray<msgtest::Item> list;
  EXPECT_FALSE(list.IsNull());
  EXPECT_EQ(Write(list), "V" + TypeName("[zavo.cl.Item") + Count(0) + "z");
  ASSERT_EQ(list.SetNull(true), HES_OK);
  EXPECT_EQ(Write(list), "N");
  // A list of items without a namespace.
  CZavoHesArray<msgtest::Plain> plain;
  EXPECT_EQ(Write(plain), "V" + TypeName("[Plain") + Count(0) + "z");
}

TEST(HesArrayTest, GrowthAndOwnership) {
  CZavoHesArray<msgtest::GeneralReq> list;
  EXPECT_EQ(list.Capacity(), 0);
  for (int i = 0; i < 20; ++i) {
    auto* item = new msgtest::GeneralReq;
    item->isLan = static_cast<int8_t>(i);
    ASSERT_EQ(list.Add(*item), HES_OK);
  }
  EXPECT_EQ(list.Capacity(), 20);
  ASSERT_EQ(list.Add(*new msgtest::GeneralReq), HES_OK);
  EXPECT_EQ(list.Capacity(), 60);
  EXPECT_EQ(list.Count(), 21);
  EXPECT_EQ(static_cast<int8_t>(list.GetAt(19)->isLan), 19);
  EXPECT_EQ(list.GetAt(-1), nullptr);
  EXPECT_EQ(list.GetAt(21), nullptr);
  ASSERT_EQ(list.AllocateAtLeast(10), HES_OK);
  EXPECT_EQ(list.Capacity(), 60);
  list.Reset();
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.Capacity(), 60);
  EXPECT_FALSE(list.IsNull());
}

TEST(HesArrayTest, ItemsAreWrittenInOrderNullItemsAsN) {
  CZavoHesArray<msgtest::GeneralReq> list;
  auto* first = new msgtest::GeneralReq;
  first->isLan = 1;
  auto* second = new msgtest::GeneralReq;
  second->SetNull(true);
  ASSERT_EQ(list.Add(*first), HES_OK);
  ASSERT_EQ(list.Add(*second), HES_OK);
  const std::string bytes = "V" + TypeName("[zavo.cl.GeneralReq") + Count(2) + GeneralReq(1) +
                            "N" + "z";
  EXPECT_EQ(Write(list), bytes);
  CZavoHesArray<msgtest::GeneralReq> back;
  const Outcome r = ReadInto(back, bytes);
  ASSERT_EQ(r.rc, HES_OK) << r.error;
  ASSERT_EQ(back.Count(), 2);
  EXPECT_TRUE(back.GetAt(1)->IsNull());
}

TEST(HesArrayTest, ReadingErrors) {
  const std::string type = TypeName("[zavo.cl.GeneralReq");
  struct Case {
    const char* name;
    std::string bytes;
    int rc;
    std::string error;
  };
  const Case cases[] = {
      {"nothing", "", -1999996, "Failed to get array content indicator. Last chars read: ''"},
      {"not V", "M", -1999995,
       "Expected array content indicator ('V' or 'N') but got something else. Last chars read: "
       "'M'"},
      {"no t", "V", -1999996, "Failed to read array item type. Last chars read: 'V'"},
      {"not t", "Vl", -1999995,
       "Expected 't' and then type length (of array item), but got something else. Last chars "
       "read: 'Vl'"},
      {"no length", "Vt", -1999996,
       "Failed to get array item's class name length (after 't'). Last chars read: 'Vt'"},
      {"anonymous", B("Vt\0\0", 4) + Count(0) + "z", -1999993,
       "Anonymous lists not supported. Last chars read: 'Vt..'"},
      {"short type", B("Vt\0\x09[zavo", 9), -1999996,
       "Failed to read item's class name. Last chars read: 'Vt..'"},
      {"no bracket", "V" + TypeName("zavo.cl.GeneralReq"), -1999995,
       "Expected list item class name to start with with '[', but it didn't. Last chars read: "
       "'vo.cl.GeneralReq'"},
      {"other item class", "V" + TypeName("[zavo.cl.MeasureReq") + Count(0) + "z", -1999995,
       "Expected item class \"zavo.cl.GeneralReq[]\" but got \"[zavo.cl.MeasureReq\". Last "
       "chars read: 'vo.cl.MeasureReq'"},
      {"no l", "V" + type, -1999996,
       "Failed to read array length indicator. Last chars read: 'vo.cl.GeneralReq'"},
      {"not l", "V" + type + "x", -1999995,
       "Expected 'l' and then array length , but got something else. Last chars read: "
       "'o.cl.GeneralReqx'"},
      {"short count", "V" + type + "l\0", -1999996,
       "Failed to read array length indicator. Last chars read: 'o.cl.GeneralReql'"},
      {"variable length", "V" + type + B("l\xFF\xFF\xFF\xFF", 5), -1999993,
       "Got negative length, indicating variable length list, which is currently not "
       "supported. Last chars read: '.GeneralReql....'"},
      {"no z", "V" + type + Count(0), -1999996,
       "Failed to read array's terminating 'z'. Last chars read: '.GeneralReql....'"},
      {"not z", "V" + type + Count(0) + "x", -1999995,
       "Expected array's terminating 'z', but got something else. Last chars read: "
       "'GeneralReql....x'"},
      {"huge count, no items", "V" + type + B("l\x7F\xFF\xFF\xFF", 5), -1999996,
       "Failed to get content indicator ('M' or 'N'). Last chars read: '.GeneralReql....'"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CZavoHesArray<msgtest::GeneralReq> list;
    ASSERT_EQ(list.Add(*new msgtest::GeneralReq), HES_OK);
    const Outcome r = ReadInto(list, c.bytes);
    EXPECT_EQ(r.rc, c.rc);
    EXPECT_EQ(r.error, c.error);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_FALSE(list.IsNull());
  }
}

TEST(HesArrayTest, HugeCountReservesNothingUpFront) {
  // Two billion items announced, three sent: the slots grow only with the items read.
  const std::string bytes = "V" + TypeName("[zavo.cl.GeneralReq") + B("l\x7F\xFF\xFF\xFF", 5) +
                            "NNN";
  CZavoHesArray<msgtest::GeneralReq> list;
  const Outcome r = ReadInto(list, bytes);
  EXPECT_EQ(r.rc, -1999996);
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.Capacity(), 20);
}

TEST(HesArrayTest, MalformedThirdItemEmptiesTheList) {
  const std::string bytes = "V" + TypeName("[zavo.cl.GeneralReq") + Count(4) + GeneralReq(1) +
                            GeneralReq(2) + "M" + TypeName("zavo.cl.GeneralReq") +
                            MemberName("isLan") + "F" + "z" + GeneralReq(4) + "z";
  CZavoHesArray<msgtest::GeneralReq> list;
  const Outcome r = ReadInto(list, bytes);
  EXPECT_EQ(r.rc, -1999995);
  EXPECT_EQ(r.error,
            "Expected integer ('I'), but got something else. Last chars read: "
            "'ReqS..isLanFzMt.'. This happens in member \"isLan\" of class "
            "\"zavo.cl.GeneralReq\"");
  EXPECT_EQ(list.Count(), 0);
}

TEST(HesArrayTest, ReadingNullAndReadingAgain) {
  CZavoHesArray<msgtest::GeneralReq> list;
  ASSERT_EQ(ReadInto(list, "N").rc, HES_OK);
  EXPECT_TRUE(list.IsNull());
  const std::string bytes = "V" + TypeName("[zavo.cl.GeneralReq") + Count(1) + GeneralReq(3) +
                            "z";
  ASSERT_EQ(ReadInto(list, bytes).rc, HES_OK);
  EXPECT_FALSE(list.IsNull());
  ASSERT_EQ(list.Count(), 1);
  // Reading replaces what was there.
  ASSERT_EQ(ReadInto(list, bytes).rc, HES_OK);
  EXPECT_EQ(list.Count(), 1);
}

TEST(HesArrayTest, SkipArrayReadsAnyListAndKeepsNothingTyped) {
  const std::string bytes = "V" + TypeName("[some.Other") + Count(5) + "N" + GeneralReq(1) +
                            B("S\0\x01" "x", 4) + "V" + TypeName("[x") + Count(1) + "T" + "z" +
                            std::string("L\0\0\0\0\0\0\0\x01", 9) + "z";
  CZavoHesSkipArray skip;
  const Outcome r = ReadInto(skip, bytes);
  EXPECT_EQ(r.rc, HES_OK) << r.error;
  EXPECT_EQ(r.consumed, bytes.size());
  // A list of skip objects that checks its item class accepts only the empty type name.
  CZavoHesArray<CZavoHesSkipObject> typed;
  EXPECT_EQ(ReadInto(typed, bytes).rc, -1999995);
}

}  // namespace
