#include <contracts_testing/sandbox.h>
#include <gtest/gtest.h>
#include <oslayer/class_factory.h>

#include <memory>

namespace {

using contracts_testing::Sandbox;
namespace fs = std::filesystem;

CZavoString Z(const fs::path& p) { return CZavoString(p.string().c_str()); }

class PlatformFileTest : public testing::Test {
 protected:
  std::unique_ptr<IFile> NewFile() {
    return std::unique_ptr<IFile>(static_cast<IFile*>(CClassFactory::GetInterface(IT_FILE)));
  }
  Sandbox mBox;
  fs::path mPath = mBox.Work() / "typed.bin";
};

// The stored layout: little-endian integers, UTF-8 text after a 32-bit byte count.
TEST_F(PlatformFileTest, GoldenBytes) {
  auto file = NewFile();
  ASSERT_TRUE(file->Open(Z(mPath), IFile::MODE_WRITE, true, 0));
  EXPECT_TRUE(file->WriteInt8(-2));
  EXPECT_TRUE(file->WriteInt16(0x1234));
  EXPECT_TRUE(file->WriteInt32(-2));
  EXPECT_TRUE(file->WriteInt64(0x0102030405060708LL));
  EXPECT_TRUE(file->WriteUTF8(u"h\u00E9"));
  EXPECT_TRUE(file->WriteUTF8(u""));
  EXPECT_TRUE(file->Close());
  const std::string want(
      "\xFE"
      "\x34\x12"
      "\xFE\xFF\xFF\xFF"
      "\x08\x07\x06\x05\x04\x03\x02\x01"
      "\x03\x00\x00\x00"
      "h\xC3\xA9"
      "\x00\x00\x00\x00",
      1 + 2 + 4 + 8 + 7 + 4);
  EXPECT_EQ(contracts_testing::ReadAll(mPath), want);
}

TEST_F(PlatformFileTest, TypedRoundTripAndEndOfFile) {
  auto file = NewFile();
  ASSERT_TRUE(file->Open(Z(mPath), IFile::MODE_READ_WRITE, true, 0));
  const int64_t big = INT64_MIN;
  file->WriteInt8(INT8_MIN);
  file->WriteInt16(INT16_MIN);
  file->WriteInt32(INT32_MAX);
  file->WriteInt64(big);
  file->WriteUTF8(u"z\U0001F600");
  EXPECT_EQ(file->GetSize(), 1 + 2 + 4 + 8 + 4 + 5);
  ASSERT_TRUE(file->Seek(0));
  int8_t i8;
  int16_t i16;
  int32_t i32;
  int64_t i64;
  CZavoString s;
  EXPECT_TRUE(file->ReadInt8(i8));
  EXPECT_TRUE(file->ReadInt16(i16));
  EXPECT_TRUE(file->ReadInt32(i32));
  EXPECT_TRUE(file->ReadInt64(i64));
  EXPECT_TRUE(file->ReadUTF8(s));
  EXPECT_EQ(i8, INT8_MIN);
  EXPECT_EQ(i16, INT16_MIN);
  EXPECT_EQ(i32, INT32_MAX);
  EXPECT_EQ(i64, big);
  EXPECT_EQ(s, CZavoString(u"z\U0001F600"));
  // At the end every typed read fails with 0 and the position stays.
  const int32_t end = file->GetPosition();
  i8 = 9, i16 = 9, i32 = 9, i64 = 9, s = u"old";
  EXPECT_FALSE(file->ReadInt8(i8));
  EXPECT_FALSE(file->ReadInt16(i16));
  EXPECT_FALSE(file->ReadInt32(i32));
  EXPECT_FALSE(file->ReadInt64(i64));
  EXPECT_FALSE(file->ReadUTF8(s));
  EXPECT_EQ(i8, 0);
  EXPECT_EQ(i16, 0);
  EXPECT_EQ(i32, 0);
  EXPECT_EQ(i64, 0);
  EXPECT_TRUE(s.IsEmpty());
  EXPECT_EQ(file->GetPosition(), end);
}

TEST_F(PlatformFileTest, PartialValuesAndBadLengthsFailWithoutMoving) {
  struct Case {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"two bytes of an int32", std::string("\x01\x02", 2)},
      {"length beyond the file", std::string("\x10\x00\x00\x00"
                                             "abc",
                                             7)},
      {"negative length", std::string("\xFF\xFF\xFF\xFF"
                                      "abc",
                                      7)},
      {"huge length", std::string("\xFF\xFF\xFF\x7F", 4)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    contracts_testing::WriteAll(mPath, c.bytes);
    auto file = NewFile();
    ASSERT_TRUE(file->Open(Z(mPath), IFile::MODE_READ, false, 0));
    if (c.bytes.size() < 4) {
      int32_t v = 5;
      EXPECT_FALSE(file->ReadInt32(v));
      EXPECT_EQ(v, 0);
    } else {
      CZavoString s(u"old");
      EXPECT_FALSE(file->ReadUTF8(s));
      EXPECT_TRUE(s.IsEmpty());
    }
    EXPECT_EQ(file->GetPosition(), 0);
  }
}

TEST_F(PlatformFileTest, OpenModesAndCreateFlag) {
  contracts_testing::WriteAll(mPath, "abcdef");
  auto file = NewFile();
  // create false keeps the content and starts at 0: writing overwrites without shortening.
  ASSERT_TRUE(file->Open(Z(mPath), IFile::MODE_WRITE, false, 0));
  EXPECT_FALSE(file->Open(Z(mPath), IFile::MODE_WRITE, false, 0));  // already open
  EXPECT_TRUE(file->Write("XY", 2));
  char buffer[8];
  EXPECT_EQ(file->Read(buffer, 2), -1);  // write only
  int8_t v;
  EXPECT_FALSE(file->ReadInt8(v));
  file->Close();
  EXPECT_EQ(contracts_testing::ReadAll(mPath), "XYcdef");

  // SeekToEnd appends.
  ASSERT_TRUE(file->Open(Z(mPath), IFile::MODE_WRITE, false, 0));
  EXPECT_TRUE(file->SeekToEnd());
  EXPECT_TRUE(file->Write("!", 1));
  file->Close();
  EXPECT_EQ(contracts_testing::ReadAll(mPath), "XYcdef!");

  // create true starts an empty file, also for reading.
  ASSERT_TRUE(file->Open(Z(mPath), IFile::MODE_READ, true, 0));
  EXPECT_EQ(file->GetSize(), 0);
  EXPECT_FALSE(file->Write("a", 1));  // read only
  file->Close();
  EXPECT_EQ(contracts_testing::ReadAll(mPath), "");

  // A missing file opens only with create.
  const fs::path missing = mBox.Work() / "missing.bin";
  EXPECT_FALSE(file->Open(Z(missing), IFile::MODE_READ, false, 0));
  EXPECT_FALSE(file->Open(Z(missing), IFile::MODE_READ_WRITE, false, 0));
  EXPECT_FALSE(fs::exists(missing));
  EXPECT_FALSE(file->Open(Z(mBox.Work()), IFile::MODE_READ, false, 0));  // a folder
  EXPECT_FALSE(file->Open(Z(missing), 3, true, 0));
  EXPECT_TRUE(file->Open(Z(missing), IFile::MODE_READ_WRITE, true, 0));
  EXPECT_TRUE(fs::exists(missing));
}

TEST_F(PlatformFileTest, SizeSeekAndRawReads) {
  auto file = NewFile();
  ASSERT_TRUE(file->Open(Z(mPath), IFile::MODE_READ_WRITE, true, 0));
  EXPECT_TRUE(file->Write("0123456789", 10));
  EXPECT_TRUE(file->Flush());
  EXPECT_EQ(file->GetPosition(), 10);
  EXPECT_TRUE(file->SetSize(4));
  EXPECT_EQ(file->GetSize(), 4);
  EXPECT_TRUE(file->Seek(1));
  char buffer[16] = {};
  EXPECT_EQ(file->Read(buffer, 16), 3);
  EXPECT_EQ(std::string(buffer, 3), "123");
  EXPECT_EQ(file->Read(buffer, 16), 0);
  EXPECT_FALSE(file->Seek(-1));
  EXPECT_TRUE(file->SetSize(6));
  EXPECT_EQ(contracts_testing::ReadAll(mPath), std::string("0123\0\0", 6));
  EXPECT_TRUE(file->Close());
  EXPECT_FALSE(file->Close());
  EXPECT_EQ(file->GetSize(), -1);
  EXPECT_EQ(file->GetPosition(), -1);
  EXPECT_FALSE(file->Write("x", 1));
  EXPECT_EQ(file->Read(buffer, 1), -1);
  EXPECT_FALSE(file->WriteUTF8(u"x"));
}

}  // namespace
