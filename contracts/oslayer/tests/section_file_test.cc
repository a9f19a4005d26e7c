#include <contracts_testing/sandbox.h>
#include <gtest/gtest.h>
#include <oslayer/class_factory.h>

#include <memory>

namespace {

using contracts_testing::Sandbox;

std::unique_ptr<ISectionFile> NewSectionFile() {
  return std::unique_ptr<ISectionFile>(
      static_cast<ISectionFile*>(CClassFactory::GetInterface(IT_SECTION_FILE)));
}

CZavoString Z(const std::filesystem::path& p) { return CZavoString(p.string().c_str()); }

// The layout the test harness's output log relies on.
TEST(SectionFileTest, WritesSectionsOfKeyValueLines) {
  Sandbox box;
  const auto path = box.Work() / "ZavoSmokeOutput.log";
  auto writer = NewSectionFile();
  ASSERT_TRUE(writer->SetFile(CZavoString(box.Work().string().c_str()) + u"\\ZavoSmokeOutput.log"));
  EXPECT_TRUE(writer->WriteValue(u"Test", u"0", u"2026-12-11 10:00:00.000: START"));
  EXPECT_TRUE(writer->WriteValue(u"Test", u"1", u"h\u00E9 = x"));
  EXPECT_TRUE(writer->WriteValue(u"Other", u"k", u"v"));
  EXPECT_TRUE(writer->WriteValue(u"Test", u"0", u"replaced"));
  // Every write is on disk at once.
  EXPECT_EQ(contracts_testing::ReadAll(path),
            "[Test]\n0 = replaced\n1 = h\xC3\xA9 = x\n\n\n[Other]\nk = v\n");
}

TEST(SectionFileTest, ValueWithLineEndsReadsBack) {
  Sandbox box;
  const auto path = box.Work() / "lines.ini";
  auto writer = NewSectionFile();
  ASSERT_TRUE(writer->SetFile(Z(path)));
  ASSERT_TRUE(writer->WriteValue(u"Test", u"4", u"END\n"));
  ASSERT_TRUE(writer->WriteValue(u"Test", u"5", u"two\nlines"));
  auto reader = NewSectionFile();
  ASSERT_TRUE(reader->SetFile(Z(path)));
  CZavoString value;
  ASSERT_TRUE(reader->ReadValue(u"Test", u"5", value));
  EXPECT_EQ(value, CZavoString(u"two\nlines"));
  ASSERT_TRUE(reader->ReadValue(u"Test", u"4", value));
  EXPECT_EQ(value, CZavoString(u"END\n"));
}

TEST(SectionFileTest, KeepsWhatTheFileHeld) {
  Sandbox box;
  const auto path = box.Work() / "old.ini";
  contracts_testing::WriteAll(path, "[A]\nx = 1\n");
  auto writer = NewSectionFile();
  ASSERT_TRUE(writer->SetFile(Z(path)));
  ASSERT_TRUE(writer->WriteValue(u"A", u"y", u"2"));
  CZavoString value;
  EXPECT_TRUE(writer->ReadValue(u"a", u"X", value));  // names ignore case
  EXPECT_EQ(value, CZavoString(u"1"));
  EXPECT_EQ(contracts_testing::ReadAll(path), "[A]\nx = 1\ny = 2\n");
  EXPECT_FALSE(writer->ReadValue(u"A", u"z", value));
  EXPECT_FALSE(writer->ReadValue(u"B", u"x", value));
}

TEST(SectionFileTest, BadInput) {
  Sandbox box;
  auto writer = NewSectionFile();
  EXPECT_FALSE(writer->WriteValue(u"Test", u"0", u"x"));  // no file named
  EXPECT_FALSE(writer->SetFile(Z(box.Work())));           // a folder
  EXPECT_FALSE(writer->WriteValue(u"Test", u"0", u"x"));
  ASSERT_TRUE(writer->SetFile(Z(box.Work() / "new" / "f.ini")));  // folder made on write
  EXPECT_FALSE(writer->WriteValue(u"Test", u"", u"x"));
  EXPECT_TRUE(writer->WriteValue(u"Test", u"0", u"x"));
  // Text that is no INI loses nothing and raises nothing.
  contracts_testing::WriteAll(box.Work() / "junk.ini", std::string("\x01\x02=\n[[[\n=", 8));
  EXPECT_TRUE(writer->SetFile(Z(box.Work() / "junk.ini")));
  EXPECT_TRUE(writer->WriteValue(u"S", u"k", u"v"));
  CZavoString value;
  EXPECT_TRUE(writer->ReadValue(u"S", u"k", value));
}

}  // namespace
