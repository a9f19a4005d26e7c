// How the codec allocates: nothing while writing once the tables exist, only contents while
// reading, and every failed allocation reported as HES_E_NO_MEMORY without leaks or crashes.
// This program replaces the global allocation functions to count and to fail allocations.
#include <corekit/throwable.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <string>

#include "test_messages.h"

namespace {

bool gCounting = false;
long gAllocations = 0;
long gFailAt = 0;  // 0: never fail

void* Allocate(size_t size, bool nothrow) {
  if (gCounting) {
    ++gAllocations;
    if (gFailAt != 0 && gAllocations == gFailAt) {
      if (nothrow) return nullptr;
      throw std::bad_alloc();
    }
  }
  void* p = std::malloc(size == 0 ? 1 : size);
  if (p == nullptr && !nothrow) throw std::bad_alloc();
  return p;
}

// Counts (and optionally fails) the allocations made while it lives.
class AllocationWindow {
 public:
  explicit AllocationWindow(long failAt = 0) {
    gAllocations = 0;
    gFailAt = failAt;
    gCounting = true;
  }
  ~AllocationWindow() { gCounting = false; }
  long Count() const { return gAllocations; }
};

}  // namespace

void* operator new(size_t size) { return Allocate(size, false); }
void* operator new[](size_t size) { return Allocate(size, false); }
void* operator new(size_t size, const std::nothrow_t&) noexcept { return Allocate(size, true); }
void* operator new[](size_t size, const std::nothrow_t&) noexcept { return Allocate(size, true); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, size_t) noexcept { std::free(p); }
void operator delete[](void* p, size_t) noexcept { std::free(p); }

namespace {

using msgtest::Written;

constexpr int kItems = 5;

void Fill(msgtest::Report& report) {
  report.reqID = 1;
  ASSERT_EQ(report.note.Copy(u"note"), HES_OK);
  for (int i = 0; i < kItems; ++i) {
    auto* item = new msgtest::Item;
    item->i32 = i;
    ASSERT_EQ(item->text.Copy(u"text \u20AC"), HES_OK);
    ASSERT_EQ(item->blob.Copy("\1\2\3", 3), HES_OK);
    ASSERT_EQ(report.items.Add(*item), HES_OK);
  }
}

std::string Reply(const msgtest::Report& report) {
  CZavoOutput out(4096);
  EXPECT_EQ(out.Append("r\x01\x00", 3), HES_OK);
  EXPECT_EQ(report.Serialize(out), HES_OK);
  EXPECT_EQ(out.Append('z'), HES_OK);
  return Written(out);
}

TEST(AllocationTest, WritingAllocatesOnlyForOutputGrowth) {
  msgtest::Report report;
  Fill(report);
  {
    CZavoOutput first(1 << 16);
    ASSERT_EQ(MsgCodecBuildRequest("m", 1, report, first), HES_OK);  // builds the tables
  }
  CZavoOutput out(1 << 16);
  ASSERT_EQ(out.Reserve(1 << 16), HES_OK);
  AllocationWindow window;
  ASSERT_EQ(MsgCodecBuildRequest("m", 1, report, out), HES_OK);
  ASSERT_EQ(MsgCodecBuildRequest("m", 1, report, out), HES_OK);
  EXPECT_EQ(window.Count(), 0);
}

TEST(AllocationTest, ReadingAllocatesOnlyForContents) {
  msgtest::Report source;
  Fill(source);
  const std::string reply = Reply(source);
  msgtest::Report report;
  {
    CZavoInput input(reply.data(), static_cast<uint32_t>(reply.size()));
    CZavoInputParse parse(input);
    ASSERT_EQ(MsgCodecReadResponse(report, parse), HES_OK);  // builds the top table
  }
  CZavoInput input(reply.data(), static_cast<uint32_t>(reply.size()));
  CZavoInputParse parse(input);
  AllocationWindow window;
  ASSERT_EQ(MsgCodecReadResponse(report, parse), HES_OK);
  // Per item the object, its text and its bytes (its member table is its class's, built
  // once); the note's text. The list keeps its slots from the first read. Nothing else: no
  // error text, no temporaries.
  EXPECT_EQ(window.Count(), kItems * (1 + 1 + 1) + 1);
}

TEST(AllocationTest, SkippedValuesAllocateTheirTemporaries) {
  const std::string bytes = "M" + msgtest::TypeName("zavo.cl.GeneralReq") +
                            msgtest::MemberName("n") + std::string("I\0\0\0\1", 5) +
                            msgtest::MemberName("o") + "M" + msgtest::TypeName("x") + "z" +
                            msgtest::MemberName("s") + std::string("S\0\1a", 4) + "z";
  msgtest::GeneralReq req;
  {
    CZavoInput input(bytes.data(), static_cast<uint32_t>(bytes.size()));
    CZavoInputParse parse(input);
    ASSERT_EQ(req.Deserialize(parse), HES_OK);
  }
  CZavoInput input(bytes.data(), static_cast<uint32_t>(bytes.size()));
  CZavoInputParse parse(input);
  AllocationWindow window;
  ASSERT_EQ(req.Deserialize(parse), HES_OK);
  // A skipped integer costs nothing; the object its temporary; the string its temporary and
  // its buffer.
  EXPECT_EQ(window.Count(), 0 + 1 + 2);
}

TEST(AllocationTest, EveryFailedAllocationWhileReadingIsReported) {
  msgtest::Report source;
  Fill(source);
  const std::string reply = Reply(source);
  long total;
  {
    msgtest::Report report;
    CZavoInput input(reply.data(), static_cast<uint32_t>(reply.size()));
    CZavoInputParse parse(input);
    AllocationWindow window;
    ASSERT_EQ(MsgCodecReadResponse(report, parse), HES_OK);
    total = window.Count();
  }
  for (long failAt = 1; failAt <= total; ++failAt) {
    SCOPED_TRACE(failAt);
    msgtest::Report report;
    int rc;
    {
      CZavoInput input(reply.data(), static_cast<uint32_t>(reply.size()));
      CZavoInputParse parse(input);
      AllocationWindow window(failAt);
      rc = MsgCodecReadResponse(report, parse);
    }
    EXPECT_EQ(rc, HES_E_NO_MEMORY);
    // The object stays usable: the next read succeeds and gives everything.
    CZavoInput input(reply.data(), static_cast<uint32_t>(reply.size()));
    CZavoInputParse parse(input);
    ASSERT_EQ(MsgCodecReadResponse(report, parse), HES_OK);
    EXPECT_EQ(report.items.Count(), kItems);
  }
}

TEST(AllocationTest, EveryFailedAllocationWhileWritingLeavesTheOutput) {
  msgtest::Report report;
  Fill(report);
  long total;
  {
    msgtest::Report fresh;
    Fill(fresh);
    CZavoOutput out(16);
    ASSERT_EQ(out.Append("x", 1), HES_OK);
    AllocationWindow window;
    ASSERT_EQ(MsgCodecBuildRequest("m", 1, fresh, out), HES_OK);
    total = window.Count();
  }
  for (long failAt = 1; failAt <= total; ++failAt) {
    SCOPED_TRACE(failAt);
    msgtest::Report fresh;
    Fill(fresh);
    CZavoOutput out(16);
    ASSERT_EQ(out.Append("x", 1), HES_OK);
    int rc;
    {
      AllocationWindow window(failAt);
      rc = MsgCodecBuildRequest("m", 1, fresh, out);
    }
    EXPECT_EQ(rc, HES_E_NO_MEMORY);
    EXPECT_EQ(Written(out), "x");
    // A table left half built is not taken for a whole one.
    CZavoOutput again(16);
    ASSERT_EQ(MsgCodecBuildRequest("m", 1, fresh, again), HES_OK);
    CZavoOutput reference(16);
    ASSERT_EQ(MsgCodecBuildRequest("m", 1, report, reference), HES_OK);
    EXPECT_EQ(Written(again), Written(reference));
  }
}

TEST(AllocationTest, FailedCopiesKeepTheOldContent) {
  CZavoHesString s;
  ASSERT_EQ(s.Copy(u"old"), HES_OK);
  CZavoHesBinary b;
  ASSERT_EQ(b.Copy("old", 3), HES_OK);
  {
    AllocationWindow window(1);
    EXPECT_EQ(s.Copy(u"new"), HES_E_NO_MEMORY);
  }
  {
    AllocationWindow window(1);
    EXPECT_EQ(b.Copy("new", 3), HES_E_NO_MEMORY);
  }
  EXPECT_EQ(std::u16string(s.GetData(), s.Length()), u"old");
  EXPECT_EQ(std::string(b.GetData(), b.Length()), "old");
  CZavoOutput out(8);
  {
    AllocationWindow window(1);
    EXPECT_EQ(out.Append("abc", 3), HES_E_NO_MEMORY);
  }
  EXPECT_EQ(out.DataSize(), 0u);
  EXPECT_EQ(out.Data(), nullptr);
}

// The catalogue's one throwing operation turns a failed copy into CoreKit's out-of-memory error.
TEST(AllocationTest, SetBssidThrowsOutOfMemoryAndKeepsTheOldAddress) {
  zavo::cl::MeasureReq measure;
  measure.setBssid("\x01\x02\x03\x04\x05\x06", 6);
  bool thrown = false;
  try {
    AllocationWindow window(1);
    measure.setBssid("\x0A\x0B\x0C\x0D\x0E\x0F", 6);
  } catch (const zvlang::OutOfMemoryError& e) {
    thrown = e.GetFullName().equals(u"com.zavo.lang.OutOfMemoryError");
  }
  EXPECT_TRUE(thrown);
  EXPECT_EQ(std::string(measure.bssid.GetData(), measure.bssid.Length()),
            "\x01\x02\x03\x04\x05\x06");
}

}  // namespace
