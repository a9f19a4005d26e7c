#include <msgcodec/zavo_input.h>

#include <gtest/gtest.h>

#include <string>

#include "test_messages.h"

namespace {

using msgtest::ErrorText;

TEST(ZavoInputTest, ExtractTakesAllOrNothing) {
  const std::string bytes = "abcde";
  CZavoInput input(bytes.data(), 5);
  const char* p = nullptr;
  ASSERT_EQ(input.Extract(p, 3), HES_OK);
  EXPECT_EQ(std::string(p, 3), "abc");
  EXPECT_EQ(input.Extract(p, 3), -1999996);
  EXPECT_EQ(input.GetNumExtracted(), 3u);
  ASSERT_EQ(input.Extract(p, 2), HES_OK);
  EXPECT_EQ(std::string(p, 2), "de");
  EXPECT_EQ(input.GetTotalSize(), 5u);
}

TEST(ZavoInputTest, GetDataAtDoesNotMoveAndChecksBounds) {
  const std::string bytes = "abcde";
  CZavoInput input(bytes.data(), 5);
  const char* p = nullptr;
  ASSERT_EQ(input.GetDataAt(p, 3, 2), HES_OK);
  EXPECT_EQ(std::string(p, 2), "de");
  EXPECT_EQ(input.GetDataAt(p, 4, 2), -1999996);
  EXPECT_EQ(input.GetDataAt(p, 0xFFFFFFFFu, 2), -1999996);
  EXPECT_EQ(input.GetNumExtracted(), 0u);
}

TEST(ZavoInputTest, PutBackBeyondStartIsRefused) {
  const std::string bytes = "ab";
  CZavoInput input(bytes.data(), 2);
  EXPECT_EQ(input.PutBack(1), -1999998);
  const char* p;
  ASSERT_EQ(input.Extract(p, 2), HES_OK);
  EXPECT_EQ(input.PutBack(1), HES_OK);
  EXPECT_EQ(input.GetNumExtracted(), 1u);
}

class ParseTest : public ::testing::Test {
 protected:
  void Read(uint32_t count) {
    const char* p;
    ASSERT_EQ(input.Extract(p, count), HES_OK);
  }
  std::string bytes = std::string("ab\n\x7F\xC3", 5) + "0123456789abcdefghij";
  CZavoInput input{bytes.data(), static_cast<uint32_t>(bytes.size())};
  CZavoInputParse parse{input};
};

TEST_F(ParseTest, NoErrorUntilTheFirstMessage) {
  EXPECT_EQ(parse.GetError(), nullptr);
  EXPECT_EQ(parse.GetErrorLength(), 0u);
  EXPECT_EQ(parse.AddLastCharsToError(0), HES_OK);
  EXPECT_EQ(parse.GetError(), nullptr);
}

TEST_F(ParseTest, LastCharsShowOnlyWhatWasRead) {
  Read(3);
  ASSERT_EQ(parse.AddLastCharsToError(16), HES_OK);
  EXPECT_EQ(ErrorText(parse), ". Last chars read: 'ab.'");
}

TEST_F(ParseTest, LastCharsShowUnprintableBytesAsDots) {
  Read(7);
  ASSERT_EQ(parse.AddToError("Oops", ZAVO_ADD_LAST_CHARS), HES_OK);
  EXPECT_EQ(ErrorText(parse), "Oops. Last chars read: 'ab...01'");
}

TEST_F(ParseTest, LastCharsAreTheSixteenEndingAtThePosition) {
  Read(20);
  ASSERT_EQ(parse.AddToError("X", ZAVO_ADD_LAST_CHARS), HES_OK);
  EXPECT_EQ(ErrorText(parse), "X. Last chars read: '.0123456789abcde'");
  ASSERT_EQ(parse.AddToError(" then", ZAVO_NO_LAST_CHARS), HES_OK);
  EXPECT_EQ(ErrorText(parse), "X. Last chars read: '.0123456789abcde' then");
}

TEST_F(ParseTest, AddToErrorByLengthTakesExactlyLengthBytes) {
  Read(2);
  ASSERT_EQ(parse.AddToErrorByLength("abcdef", 3, 1), HES_OK);
  EXPECT_EQ(ErrorText(parse), "abc. Last chars read: 'b'");
  EXPECT_EQ(parse.GetErrorLength(), ErrorText(parse).size());
}

TEST_F(ParseTest, ErrorTextGrowsInStepsOf128) {
  const std::string text127(127, 'x');
  ASSERT_EQ(parse.AddToError(text127.c_str(), ZAVO_NO_LAST_CHARS), HES_OK);
  EXPECT_EQ(parse.GetErrorCapacity(), 128u);
  ASSERT_EQ(parse.AddToError("y", ZAVO_NO_LAST_CHARS), HES_OK);
  EXPECT_EQ(parse.GetErrorCapacity(), 256u);
  const std::string text300(300, 'z');
  ASSERT_EQ(parse.AddToError(text300.c_str(), ZAVO_NO_LAST_CHARS), HES_OK);
  // 428 + 1 needed: two more steps.
  EXPECT_EQ(parse.GetErrorCapacity(), 512u);
  EXPECT_EQ(ErrorText(parse), text127 + "y" + text300);
}

}  // namespace
