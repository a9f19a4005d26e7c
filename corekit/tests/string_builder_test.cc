#include <corekit/string.h>
#include <corekit/string_builder.h>
#include <corekit/throwable.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "support/failing_allocation.h"
#include "support/text.h"
#include "support/throws.h"

namespace {

using corekit_test::ThrownClass;
using corekit_test::ThrownMessage;
using corekit_test::ThrownText;
using corekit_test::Units;
using zvlang::CZvString;
using zvlang::CZvStringBuilder;
using zvlang::IndexOutOfBoundsException;
using zvlang::StringIndexOutOfBoundsException;

TEST(StringBuilderTest, ConstructionGivesCapacities) {
  CZvStringBuilder standard;
  EXPECT_EQ(standard.capacity(), 16);
  EXPECT_EQ(standard.length(), 0);
  CZvStringBuilder none(0);
  EXPECT_EQ(none.capacity(), 0);
  EXPECT_EQ(ThrownClass([] { CZvStringBuilder b(-1); }),
            u"com.zavo.lang.NegativeArraySizeException");
  EXPECT_EQ(ThrownMessage<zvlang::NegativeArraySizeException>([] { CZvStringBuilder b(-1); }),
            u"com.zavo.lang.Throwable");
}

TEST(StringBuilderTest, GrowthAddsSixteenUnitsOfSlack) {
  CZvStringBuilder b;
  b.append(u"0123456789abcdefg");  // 17 units into 16
  EXPECT_EQ(b.capacity(), 33);
  b.append(u"0123456789abcdef");  // 33 units fit exactly
  EXPECT_EQ(b.capacity(), 33);
  b.append(u'x');
  EXPECT_EQ(b.capacity(), 34 + 16);
  CZvStringBuilder numbers(0);
  numbers.append(1);  // a number reserves its worst case, 20 units
  EXPECT_EQ(numbers.capacity(), 36);
  CZvStringBuilder exact;
  exact.ensureCapacity(40);
  EXPECT_EQ(exact.capacity(), 40);
  exact.ensureCapacity(10);
  EXPECT_EQ(exact.capacity(), 40);
}

TEST(StringBuilderTest, AppendsEveryKindOfValue) {
  const char16_t text[] = u"xyz";
  CZvStringBuilder b;
  b.append(true).append(u'-').append(false).append(text, 1, 2).append(u"|");
  b.append(CZvString(u"s")).append(-42).append(9000000000LL).append(1.5).append(100.0);
  b.append(static_cast<long>(-7));
  EXPECT_EQ(b.toString(),
            u"true-falseyz|s-429000000000"
            u"1.5100-7");
}

TEST(StringBuilderTest, AppendsARangeOfACharSequence) {
  CZvString hello(u"hello");
  CZvStringBuilder b;
  b.append(hello, 1, 3);
  EXPECT_EQ(b.toString(), u"el");
  b.append(b);  // a builder may append itself
  EXPECT_EQ(b.toString(), u"elel");
  struct Case {
    int start, end;
    const char16_t* text;
  } cases[] = {
      {-1, 2, u"CZvString index out of bounds: -1"},
      {3, 1, u"CZvString index out of bounds: -2"},
      {0, 6, u"CZvString index out of bounds: 6"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.start << ", " << c.end);
    EXPECT_EQ(ThrownText<StringIndexOutOfBoundsException>([&] { b.append(hello, c.start, c.end); }),
              c.text);
  }
  EXPECT_EQ(b.toString(), u"elel");
}

TEST(StringBuilderTest, ToStringSharesUntilTheNextChange) {
  CZvStringBuilder b;
  b.append(u"abc");
  CZvString first = b.toString();
  CZvString second = b.toString();
  EXPECT_EQ(first.Ptr(), second.Ptr());
  b.append(u'd');
  EXPECT_EQ(first, u"abc");
  EXPECT_EQ(b.toString(), u"abcd");
  EXPECT_NE(b.toString().Ptr(), first.Ptr());
  EXPECT_EQ(CZvStringBuilder(first).capacity(), 16);  // the clone kept the capacity
}

TEST(StringBuilderTest, ToStringNeverCopies) {
  CZvStringBuilder b;
  b.append(u"text");
  corekit_test::AllocationCounter counter;
  CZvString first = b.toString();
  CZvString second = b.toString();
  EXPECT_EQ(counter.Allocations(), 0);
  EXPECT_EQ(first.Ptr(), second.Ptr());
}

TEST(StringBuilderTest, WorksThroughItsInterfaces) {
  CZvStringBuilder b;
  zvlang::Appendable& out = b;
  out.append(u'<').append(CZvString(u"abc")).append(CZvString(u"xyz"), 1, 2);
  EXPECT_EQ(b.toString(), u"<abcy");
  const zvlang::CharSequence& in = b;
  EXPECT_EQ(in.length(), 5);
  EXPECT_EQ(in.charAt(1), u'a');
  zvlang::CharSequence* part = in.subSequence(1, 3);
  EXPECT_EQ(part->length(), 2);
  part->Release();
}

TEST(StringBuilderTest, ABuilderFromAStringLeavesTheStringAlone) {
  CZvString s(u"base");
  CZvStringBuilder b(s);
  EXPECT_EQ(b.toString().Ptr(), s.Ptr());
  b.append(u"!").setCharAt(0, u'B');
  EXPECT_EQ(s, u"base");
  EXPECT_EQ(b.toString(), u"Base!");
}

TEST(StringBuilderTest, EveryChangeUnsharesFirst) {
  using Change = std::function<void(CZvStringBuilder&)>;
  struct Case {
    const char* name;
    Change change;
    const char16_t* result;
  } cases[] = {
      {"append", [](CZvStringBuilder& b) { b.append(u'x'); }, u"abcx"},
      {"insert", [](CZvStringBuilder& b) { b.insert(1, u'x'); }, u"axbc"},
      {"setCharAt", [](CZvStringBuilder& b) { b.setCharAt(1, u'x'); }, u"axc"},
      {"setLength", [](CZvStringBuilder& b) { b.setLength(1); }, u"a"},
      {"ensureCapacity", [](CZvStringBuilder& b) { b.ensureCapacity(100); }, u"abc"},
      {"deleteRange", [](CZvStringBuilder& b) { b.deleteRange(0, 1); }, u"bc"},
      {"deleteCharAt", [](CZvStringBuilder& b) { b.deleteCharAt(2); }, u"ab"},
      {"replace", [](CZvStringBuilder& b) { b.replace(0, 3, u"z"); }, u"z"},
      {"reverse", [](CZvStringBuilder& b) { b.reverse(); }, u"cba"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CZvStringBuilder b;
    b.append(u"abc");
    CZvString before = b.toString();
    c.change(b);
    EXPECT_EQ(before, u"abc");
    EXPECT_EQ(Units(b), c.result);
    EXPECT_NE(b.toString().Ptr(), before.Ptr());
  }
}

TEST(StringBuilderTest, InsertsAtEitherEndAndChecksTheOffset) {
  CZvStringBuilder b;
  b.append(u"bc");
  b.insert(0, u'a').insert(b.length(), u"d").insert(2, 7).insert(0, true).insert(0, 2.5);
  b.insert(1, CZvString(u"_")).insert(0, 12LL);
  EXPECT_EQ(b.toString(), u"122_.5trueab7cd");
  CZvStringBuilder small;
  small.append(u"abc");
  EXPECT_EQ(ThrownMessage<StringIndexOutOfBoundsException>([&] { small.insert(4, u'x'); }),
            u"Index: 4, Length: 3");
  EXPECT_EQ(ThrownMessage<StringIndexOutOfBoundsException>([&] { small.insert(-1, u"x"); }),
            u"Index: -1, Length: 3");
  EXPECT_EQ(Units(small), u"abc");
}

TEST(StringBuilderTest, InsertsARangeOfACharSequence) {
  CZvString hello(u"hello");
  CZvStringBuilder b;
  b.append(u"[]");
  b.insert(1, hello, 1, 3);
  EXPECT_EQ(b.toString(), u"[el]");
  b.insert(0, hello);
  EXPECT_EQ(b.toString(), u"hello[el]");
  struct Case {
    int start, end;
    const char16_t* message;
  } cases[] = {
      {-1, 2, u"insert: Negative start: -1"},
      {0, -2, u"insert: Negative end: -2"},
      {3, 1, u"insert: start (3) is greater than end (1)"},
      {0, 6, u"insert: end (6) is greater than length (5)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(corekit_test::ToUtf8(c.message));
    EXPECT_EQ(
        ThrownMessage<StringIndexOutOfBoundsException>([&] { b.insert(0, hello, c.start, c.end); }),
        c.message);
  }
  EXPECT_EQ(ThrownMessage<StringIndexOutOfBoundsException>([&] { b.insert(99, hello, 0, 1); }),
            u"Index: 99, Length: 9");
}

TEST(StringBuilderTest, RangeErrorsCarryTheirMessages) {
  using Op = std::function<void(CZvStringBuilder&)>;
  struct Case {
    Op op;
    const char16_t* message;
  } cases[] = {
      {[](CZvStringBuilder& b) { b.deleteRange(-1, 2); }, u"DeleteRange: Negative start index: -1"},
      {[](CZvStringBuilder& b) { b.deleteRange(4, 5); },
       u"DeleteRange: start index (4) is greater than length (3)"},
      {[](CZvStringBuilder& b) { b.deleteRange(2, 1); },
       u"DeleteRange: start index (2) is greater than end index (1)"},
      {[](CZvStringBuilder& b) { b.deleteCharAt(-1); }, u"DeleteCharAt: Negative start index: -1"},
      {[](CZvStringBuilder& b) { b.deleteCharAt(3); },
       u"DeleteRange: Index (3) is greater than or equal to length (3)"},
      {[](CZvStringBuilder& b) { b.replace(-1, 1, u"x"); }, u"Replace: Negative start index: -1"},
      {[](CZvStringBuilder& b) { b.replace(4, 5, u"x"); },
       u"Replace: start index (4) is greater than length (3)"},
      {[](CZvStringBuilder& b) { b.replace(2, 1, u"x"); },
       u"Replace: start index (2) is greater than end index (1)"},
      {[](CZvStringBuilder& b) { b.substring(-1); }, u"substring: Negative start: -1"},
      {[](CZvStringBuilder& b) { b.substring(1, 4); },
       u"substring: end (4) is greater than length (3)"},
      {[](CZvStringBuilder& b) { b.substring(2, 1); },
       u"substring: start (2) is greater than end (1)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(corekit_test::ToUtf8(c.message));
    CZvStringBuilder b;
    b.append(u"abc");
    EXPECT_EQ(ThrownMessage<StringIndexOutOfBoundsException>([&] { c.op(b); }), c.message);
    EXPECT_EQ(Units(b), u"abc");
  }
}

TEST(StringBuilderTest, SetCharAtAndSetLengthThrowIndexOutOfBounds) {
  using Op = std::function<void(CZvStringBuilder&)>;
  struct Case {
    Op op;
    const char16_t* message;
  } cases[] = {
      {[](CZvStringBuilder& b) { b.setCharAt(3, u'x'); }, u"SetCharAt: Index >= length"},
      {[](CZvStringBuilder& b) { b.setCharAt(-1, u'x'); }, u"SetCharAt: Negative index"},
      {[](CZvStringBuilder& b) { b.setLength(-1); }, u"SetLength: Negative length"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(corekit_test::ToUtf8(c.message));
    CZvStringBuilder b;
    b.append(u"abc");
    EXPECT_EQ(ThrownClass([&] { c.op(b); }), u"com.zavo.lang.IndexOutOfBoundsException");
    EXPECT_EQ(ThrownMessage<IndexOutOfBoundsException>([&] { c.op(b); }), c.message);
    EXPECT_EQ(Units(b), u"abc");
  }
  CZvStringBuilder b;
  EXPECT_EQ(ThrownMessage<IndexOutOfBoundsException>([&] { b.charAt(0); }),
            u"com.zavo.lang.Throwable");
}

TEST(StringBuilderTest, DeleteAndReplaceClampTheEnd) {
  CZvStringBuilder b;
  b.append(u"abc").deleteRange(1, 100);
  EXPECT_EQ(Units(b), u"a");
  CZvStringBuilder r;
  r.append(u"abc").replace(1, 2, u"XY");
  EXPECT_EQ(Units(r), u"aXYc");
  r.replace(4, 4, u"!!");
  EXPECT_EQ(Units(r), u"aXYc!!");
  r.replace(1, 100, u"");
  EXPECT_EQ(Units(r), u"a");
  r.deleteCharAt(0);
  EXPECT_EQ(Units(r), u"");
}

TEST(StringBuilderTest, SetLengthPadsWithZerosOrCuts) {
  CZvStringBuilder b;
  b.append(u"ab").setLength(5);
  EXPECT_EQ(Units(b), std::u16string(u"ab\0\0\0", 5));
  b.setLength(1);
  EXPECT_EQ(Units(b), u"a");
  EXPECT_EQ(b.capacity(), 16);
  b.setLength(20);  // exactly, without slack
  EXPECT_EQ(b.capacity(), 20);
}

TEST(StringBuilderTest, ReverseKeepsSurrogatePairsInOrder) {
  struct Case {
    std::u16string text;
    std::u16string reversed;
  } cases[] = {
      {u"a\xD83D\xDE00"
       u"b",
       u"b\xD83D\xDE00"
       u"a"},
      {u"", u""},
      {u"x", u"x"},
      {u"\xDE00\xD83D", u"\xD83D\xDE00"},  // not a pair: reversed as units
      {u"a\xD83D",
       u"\xD83D"
       u"a"},  // lone high surrogate at the end
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(corekit_test::ToUtf8(c.text.data(), static_cast<int>(c.text.size())));
    CZvStringBuilder b;
    b.append(c.text.data(), 0, static_cast<int>(c.text.size()));
    b.reverse();
    EXPECT_EQ(Units(b), c.reversed);
  }
}

TEST(StringBuilderTest, TrimToSizeKeepsTheTextOfSharingStrings) {
  CZvStringBuilder b;
  b.append(u"abc");
  CZvString s = b.toString();
  b.trimToSize();
  EXPECT_EQ(b.capacity(), 3);
  EXPECT_EQ(s, u"abc");
  b.append(u'd');
  EXPECT_EQ(b.capacity(), 3 + 1 + 16);
}

TEST(StringBuilderTest, ReadsWithoutChanging) {
  CZvStringBuilder b;
  b.append(u"abcabc");
  EXPECT_EQ(b.indexOf(u"ca"), 2);
  EXPECT_EQ(b.indexOf(u"bc", 2), 4);
  EXPECT_EQ(b.lastIndexOf(u"ab"), 3);
  EXPECT_EQ(b.lastIndexOf(u"ab", 2), 0);
  EXPECT_EQ(b.substring(4), u"bc");
  CZvString part = b.substring(1, 3);
  EXPECT_EQ(part, u"bc");
  EXPECT_EQ(CZvStringBuilder(part).capacity(), 2);
  char16_t dst[4] = {};
  b.getChars(0, 3, dst, 1);
  EXPECT_EQ(std::u16string(dst + 1, 3), u"abc");
  EXPECT_EQ(ThrownText<StringIndexOutOfBoundsException>([&] { b.getChars(2, 1, dst, 0); }),
            u"CZvString index out of bounds: -1");
  zvlang::CharSequence* sub = b.subSequence(0, 2);
  EXPECT_EQ(sub->length(), 2);
  sub->Release();
  EXPECT_EQ(ThrownText<StringIndexOutOfBoundsException>([&] { b.subSequence(0, 7); }),
            u"CZvString index out of bounds: 7");
}

// Builders that share their body with a string, or not, of a few sizes.
struct Start {
  const char* name;
  bool shared;
  const char16_t* text;
};
const Start kStarts[] = {
    {"own body", false, u"abc"},
    {"shared body", true, u"abc"},
    {"full body", false, u"0123456789abcdef"},
};

struct BuilderState {
  std::unique_ptr<CZvStringBuilder> builder;
  CZvString shared;
};

TEST(StringBuilderTest, AllocationFailuresThrowAndLeaveTheTextAlone) {
  using Op = std::function<void(CZvStringBuilder&)>;
  struct Case {
    const char* name;
    Op op;
  } cases[] = {
      {"append text", [](CZvStringBuilder& b) { b.append(u"0123456789abcdefghij"); }},
      {"append number", [](CZvStringBuilder& b) { b.append(-12345); }},
      {"append double", [](CZvStringBuilder& b) { b.append(2.5); }},
      {"append range", [](CZvStringBuilder& b) { b.append(CZvString(u"xyz"), 0, 2); }},
      {"insert", [](CZvStringBuilder& b) { b.insert(1, u"0123456789abcdefghij"); }},
      {"insert range", [](CZvStringBuilder& b) { b.insert(1, CZvString(u"xyz"), 1, 3); }},
      {"replace", [](CZvStringBuilder& b) { b.replace(0, 1, u"0123456789abcdefghij"); }},
      {"reverse", [](CZvStringBuilder& b) { b.reverse(); }},
      {"setLength", [](CZvStringBuilder& b) { b.setLength(40); }},
      {"ensureCapacity", [](CZvStringBuilder& b) { b.ensureCapacity(40); }},
      {"substring", [](CZvStringBuilder& b) { b.substring(1); }},
      {"subSequence", [](CZvStringBuilder& b) { b.subSequence(0, 2)->Release(); }},
  };
  for (const Start& start : kStarts) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(start.name) + ": " + c.name);
      int failures = corekit_test::ExpectEachAllocationFailureThrows(
          [&] {
            BuilderState state{std::make_unique<CZvStringBuilder>(), CZvString()};
            state.builder->append(start.text);
            if (start.shared) state.shared = state.builder->toString();
            return state;
          },
          [&](BuilderState& state) { c.op(*state.builder); },
          [&](BuilderState& state) {
            EXPECT_EQ(Units(*state.builder), start.text);
            if (start.shared) {
              EXPECT_EQ(state.shared, start.text);
            }
          });
      EXPECT_GT(failures, 0);
    }
  }
  // Trimming gives up quietly.
  CZvStringBuilder b;
  b.append(u"abc");
  {
    corekit_test::FailingAllocation failing(1);
    b.trimToSize();
    EXPECT_TRUE(failing.Fired());
  }
  EXPECT_EQ(b.capacity(), 16);
  EXPECT_EQ(Units(b), u"abc");
}

}  // namespace
