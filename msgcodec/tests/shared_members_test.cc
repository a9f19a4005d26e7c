// Declared classes share one member table per class; classes that build their table by hand,
// also over or under a declared class, keep one per object and behave as before.
#include <gtest/gtest.h>

#include <string>

#include "test_messages.h"

namespace {

using msgtest::ErrorText;
using msgtest::MemberName;
using msgtest::TypeName;
using msgtest::Write;

// Derived by hand from a declared class: its own HashMembers adds a member after the base's.
class HandOverDeclared : public msgtest::Header {
 public:
  static constexpr CZavoHesName mClassName{"HandOverDeclared", 16};
  const CZavoHesName& ClassName() const override { return mClassName; }
  CZavoHesString extra;

 protected:
  int HashMembers() override {
    static constexpr CZavoHesName kExtra{"extra", 5};
    if (int rc = msgtest::Header::HashMembers(); rc != HES_OK) return rc;
    return InsertMember(kExtra, extra);
  }
};

// clang-format off
// A derived declared class with a member of its base's wire name: the table holds "cnc" twice.
class Twice : public msgtest::Header {
  ZAVO_HES_CLASS(msgtest::Header, "zavo.cl", "Twice",
                 (CZavoHesInt32, cnc))
};
// clang-format on

int Read(CZavoHesClass& object, const std::string& bytes, std::string* error = nullptr) {
  CZavoInput input(bytes.data(), static_cast<uint32_t>(bytes.size()));
  CZavoInputParse parse(input);
  const int rc = object.Deserialize(parse);
  if (error != nullptr) *error = ErrorText(parse);
  return rc;
}

TEST(SharedMembersTest, AClassDerivedByHandKeepsItsOwnMembers) {
  // The declared base is used first, so that its table is shared before the derived one.
  msgtest::Header header;
  header.cnc = 1;
  const std::string headerBytes = Write(header);
  HandOverDeclared derived;
  derived.cnc = 2;
  derived.extra.Copy("x");
  const std::string bytes = Write(derived);
  EXPECT_EQ(bytes.substr(0, 4 + 24), "M" + TypeName("zavo.cl.HandOverDeclared"));
  EXPECT_NE(bytes.find(MemberName("extra") + "S" + std::string("\0\1x", 3)), std::string::npos);

  HandOverDeclared back;
  ASSERT_EQ(Read(back, bytes), HES_OK);
  EXPECT_EQ(static_cast<int32_t>(back.cnc), 2);
  ASSERT_EQ(back.extra.Length(), 1u);
  EXPECT_EQ(back.extra.GetData()[0], u'x');
  EXPECT_EQ(Write(header), headerBytes);
}

TEST(SharedMembersTest, ManyObjectsOfOneClassReadAndWriteAlike) {
  msgtest::Item first;
  first.i32 = 5;
  first.text.Copy("a");
  const std::string bytes = Write(first);
  for (int i = 0; i < 3; ++i) {
    msgtest::Item item;
    ASSERT_EQ(Read(item, bytes), HES_OK);
    EXPECT_EQ(static_cast<int32_t>(item.i32), 5);
    EXPECT_EQ(Write(item), bytes);
  }
}

// Scalars read in place fail exactly as their own readers do.
TEST(SharedMembersTest, InPlaceReadsFailWithTheScalarTexts) {
  const std::string head = "M" + TypeName("zavo.cl.Header") + MemberName("cnc");
  struct Case {
    const char* name;
    std::string bytes;
    int rc;
    const char* error;
  };
  const Case cases[] = {
      {"wrong marker", head + "L" + std::string(8, '\0') + "z", HES_E_FORMAT,
       "Expected integer ('I'), but got something else. Last chars read: 'eaderS..cncL....'"
       ". This happens in member \"cnc\" of class \"zavo.cl.Header\""},
      {"truncated", head + "I" + std::string(2, '\0'), HES_E_NO_DATA,
       "Failed to read integer. Last chars read: '.cl.HeaderS..cnc'. This happens in member "
       "\"cnc\" of class \"zavo.cl.Header\""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    msgtest::Header header;
    std::string error;
    EXPECT_EQ(Read(header, c.bytes, &error), c.rc);
    EXPECT_EQ(error, c.error);
  }
}

TEST(SharedMembersTest, ANameTwiceInTheTableAlwaysFindsTheFirst) {
  Twice twice;
  twice.msgtest::Header::cnc = 1;
  twice.cnc = 2;
  const std::string bytes = Write(twice);
  EXPECT_NE(bytes.find(MemberName("cnc") + std::string("I\0\0\0\1", 5)), std::string::npos);
  EXPECT_NE(bytes.find(MemberName("cnc") + std::string("I\0\0\0\2", 5)), std::string::npos);
  for (int i = 0; i < 2; ++i) {  // the first object builds the shared table, the second uses it
    Twice back;
    ASSERT_EQ(Read(back, bytes), HES_OK);
    EXPECT_EQ(static_cast<int32_t>(back.msgtest::Header::cnc), 2);  // both values went there
    EXPECT_EQ(static_cast<int32_t>(back.cnc), 0);
  }
}

}  // namespace
