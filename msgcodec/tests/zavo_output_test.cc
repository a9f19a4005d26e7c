#include <msgcodec/zavo_output.h>

#include <gtest/gtest.h>

#include <string>

#include "test_messages.h"

namespace {

using msgtest::Written;

TEST(ZavoOutputTest, AppendingNothingAllocatesNothing) {
  CZavoOutput out(10);
  EXPECT_EQ(out.Append("x", 0), HES_OK);
  EXPECT_EQ(out.Data(), nullptr);
  EXPECT_EQ(out.DataSize(), 0u);
  EXPECT_EQ(out.Capacity(), 0u);
}

TEST(ZavoOutputTest, GrowsByWholeStepsOfFreeSpace) {
  CZavoOutput out(10);
  const std::string bytes(25, 'a');
  ASSERT_EQ(out.Append(bytes.data(), 25), HES_OK);
  EXPECT_EQ(out.Capacity(), 30u);
  ASSERT_EQ(out.Append("bcd", 3), HES_OK);
  EXPECT_EQ(out.Capacity(), 30u);
  ASSERT_EQ(out.Append("efg", 3), HES_OK);
  // Old free space 2 plus one step.
  EXPECT_EQ(out.Capacity(), 40u);
  EXPECT_EQ(Written(out), bytes + "bcdefg");
}

TEST(ZavoOutputTest, ZeroGrowthStepStillGrows) {
  CZavoOutput out(0);
  ASSERT_EQ(out.Append("abc", 3), HES_OK);
  EXPECT_EQ(out.Capacity(), 3u);
  EXPECT_EQ(Written(out), "abc");
}

TEST(ZavoOutputTest, SetDataSizeCutsBackButNeverForward) {
  CZavoOutput out(8);
  ASSERT_EQ(out.Append("abcdef", 6), HES_OK);
  EXPECT_EQ(out.SetDataSize(out.DataSize()), HES_OK);
  EXPECT_EQ(out.SetDataSize(out.DataSize() + 1), -1999994);
  EXPECT_EQ(Written(out), "abcdef");
  EXPECT_EQ(out.SetDataSize(2), HES_OK);
  EXPECT_EQ(Written(out), "ab");
  ASSERT_EQ(out.Append('z'), HES_OK);
  EXPECT_EQ(Written(out), "abz");
}

TEST(ZavoOutputTest, HandedOverBufferOutlivesTheWriter) {
  char* data;
  {
    CZavoOutput out(4);
    ASSERT_EQ(out.Append("keep", 4), HES_OK);
    out.SetDeleteDataAtDestruction(false);
    data = const_cast<char*>(out.Data());
  }
  EXPECT_EQ(std::string(data, 4), "keep");
  delete[] data;
}

TEST(ZavoOutputTest, WireNumbersAreBigEndian) {
  CZavoOutput out(16);
  ASSERT_EQ(out.WriteUInt16(0x1234), HES_OK);
  ASSERT_EQ(out.WriteMarked32('I', 0x01020304), HES_OK);
  ASSERT_EQ(out.WriteMarked64('L', 0x0102030405060708ull), HES_OK);
  EXPECT_EQ(Written(out), std::string("\x12\x34I\x01\x02\x03\x04L\x01\x02\x03\x04\x05\x06\x07\x08",
                                      16));
}

TEST(ZavoOutputTest, SixteenBitLengthAbove65535IsRefusedBeforeWriting) {
  CZavoOutput out(16);
  EXPECT_EQ(out.WriteUInt16(65535), HES_OK);
  EXPECT_EQ(out.WriteUInt16(65536), -1999994);
  EXPECT_EQ(Written(out), "\xFF\xFF");
}

TEST(ZavoOutputTest, Utf8Encoding) {
  struct Case {
    std::u16string units;
    std::string bytes;
    int rc;
  };
  const Case cases[] = {
      {u"a", "a", HES_OK},
      {std::u16string(1, u'\0'), std::string(1, '\0'), HES_OK},
      {u"\u007F", "\x7F", HES_OK},
      {u"\u0080", "\xC2\x80", HES_OK},
      {u"\u00E9", "\xC3\xA9", HES_OK},
      {u"\u07FF", "\xDF\xBF", HES_OK},
      {u"\u0800", "\xE0\xA0\x80", HES_OK},
      {u"\u20AC", "\xE2\x82\xAC", HES_OK},
      {u"\uFFFF", "\xEF\xBF\xBF", HES_OK},
      {u"a\u20AC", "a\xE2\x82\xAC", HES_OK},
      // A surrogate stops the encoding; what came before stays written.
      {std::u16string{u'a', char16_t(0xD800), u'b'}, "a", HES_E_NOT_SUPPORTED},
      {std::u16string{char16_t(0xDFFF)}, "", HES_E_NOT_SUPPORTED},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bytes);
    CZavoOutput out(4);
    EXPECT_EQ(out.WriteUtf8(c.units.data(), static_cast<uint32_t>(c.units.size())), c.rc);
    EXPECT_EQ(Written(out), c.bytes);
  }
}

TEST(ZavoOutputTest, Utf8OfLongTextCrossesEncodingBlocks) {
  std::u16string units;
  std::string expected;
  for (int i = 0; i < 1000; ++i) {
    units += u"a\u00E9\u20AC";
    expected += "a\xC3\xA9\xE2\x82\xAC";
  }
  CZavoOutput out(100);
  ASSERT_EQ(out.WriteUtf8(units.data(), static_cast<uint32_t>(units.size())), HES_OK);
  EXPECT_EQ(Written(out), expected);
}

}  // namespace
