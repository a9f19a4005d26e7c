#include <msgcodec/msgcodec_call.h>

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <string>

#include "test_messages.h"

namespace {

using msgtest::ErrorText;
using msgtest::MemberName;
using msgtest::TypeName;
using msgtest::Written;

std::string B(const char* bytes, size_t n) { return std::string(bytes, n); }

TEST(MsgCodecCallTest, NullArgumentCall) {
  msgtest::GeneralReq req;
  req.SetNull(true);
  CZavoOutput out(16);
  ASSERT_EQ(MsgCodecBuildRequest("m1", 2, req, out), HES_OK);
  EXPECT_EQ(Written(out), B("c\0\x01m\0\x02m1Nz", 10));
}

TEST(MsgCodecCallTest, CallsFollowEachOther) {
  msgtest::GeneralReq req;
  req.isLan = 1;
  CZavoOutput out(16);
  ASSERT_EQ(MsgCodecBuildRequest("get", 3, req, out), HES_OK);
  const std::string one = Written(out);
  EXPECT_EQ(one, B("c\0\x01m\0\x03get", 9) +
                     B("Mt\0\x12zavo.cl.GeneralReqS\0\x05isLanI\0\0\0\x01z", 36) + "z");
  ASSERT_EQ(MsgCodecBuildRequest("get", 3, req, out), HES_OK);
  EXPECT_EQ(Written(out), one + one);
}

TEST(MsgCodecCallTest, FailedBuildLeavesTheOutputAsItWas) {
  CZavoOutput out(16);
  ASSERT_EQ(out.Append("before", 6), HES_OK);
  msgtest::GeneralReq req;
  const std::string longName(65536, 'm');
  EXPECT_EQ(MsgCodecBuildRequest(longName.data(), 65536, req, out), -1999994);
  EXPECT_EQ(Written(out), "before");
  // A failure inside the argument takes back the call head too.
  msgtest::Item item;
  const char16_t surrogate[] = {0xD800};
  ASSERT_EQ(item.text.Copy(surrogate, 1), HES_OK);
  EXPECT_EQ(MsgCodecBuildRequest("m", 1, item, out), -1999993);
  EXPECT_EQ(Written(out), "before");
  msgtest::Empty empty;
  EXPECT_EQ(MsgCodecBuildRequest("m", 1, empty, out), -1999998);
  EXPECT_EQ(Written(out), "before");
}

TEST(MsgCodecCallTest, ReadingReplies) {
  const std::string req = "M" + TypeName("zavo.cl.GeneralReq") + MemberName("isLan") +
                          B("I\0\0\0\x07", 5) + "z";
  struct Case {
    const char* name;
    std::string bytes;
    int rc;
    std::string error;
    bool null;
  };
  const Case cases[] = {
      {"null", B("r\x01\0Nz", 5), HES_OK, "", true},
      {"object", B("r\x01\0", 3) + req + "z", HES_OK, "", false},
      {"other version", B("r\x02\x05", 3) + req + "z", HES_OK, "", false},
      {"short", "r\x01", -1999996,
       "Could not find data, while looking for the opening 'r' and version", false},
      {"not r", B("c\0\x01Nz", 5), -1999995, "Expected the opening 'r', but got something else",
       false},
      {"no z", B("r\x01\0", 3) + req, -1999995, "Failed to read the terminating 'z'", false},
      {"not z", B("r\x01\0", 3) + req + "x", -1999995,
       "Expected terminating 'z', but got something else", false},
      {"fault", B("r\x01\0", 3) + "fS\0\x04" "code", -1999995,
       "Expected 'M' or 'N' but got something else. Last chars read: 'r..f'", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    msgtest::GeneralReq result;
    CZavoInput input(c.bytes.data(), static_cast<uint32_t>(c.bytes.size()));
    CZavoInputParse parse(input);
    EXPECT_EQ(MsgCodecReadResponse(result, parse), c.rc);
    EXPECT_EQ(ErrorText(parse), c.error);
    EXPECT_EQ(result.IsNull(), c.null);
    if (c.rc == HES_OK && !c.null) {
      EXPECT_EQ(static_cast<int8_t>(result.isLan), 7);
    }
  }
}

// Every prefix of a valid reply, and the reply with any one byte replaced by a marker, reads
// to a clean result: a code of the codec, never a crash or an out-of-bounds read (the
// sanitizer build checks the latter).
TEST(MsgCodecCallTest, TruncatedAndCorruptedRepliesFailCleanly) {
  msgtest::Report source;
  source.reqID = 5;
  ASSERT_EQ(source.note.Copy(u"n\u00E9"), HES_OK);
  for (int i = 0; i < 2; ++i) {
    auto* item = new msgtest::Item;
    ASSERT_EQ(item->text.Copy(u"ab"), HES_OK);
    ASSERT_EQ(item->blob.Copy("xy", 2), HES_OK);
    ASSERT_EQ(source.items.Add(*item), HES_OK);
  }
  CZavoOutput out(256);
  ASSERT_EQ(out.Append("r\x01\x00", 3), HES_OK);
  ASSERT_EQ(source.Serialize(out), HES_OK);
  ASSERT_EQ(out.Append('z'), HES_OK);
  const std::string reply = Written(out);

  auto read = [](const std::string& bytes) {
    msgtest::Report result;
    CZavoInput input(bytes.data(), static_cast<uint32_t>(bytes.size()));
    CZavoInputParse parse(input);
    const int rc = MsgCodecReadResponse(result, parse);
    EXPECT_LE(input.GetNumExtracted(), bytes.size());
    if (rc != HES_OK) {
      EXPECT_TRUE(rc >= HES_E_STATE && rc <= HES_E_NOT_SUPPORTED) << rc;
    }
    return rc;
  };
  EXPECT_EQ(read(reply), HES_OK);
  for (size_t n = 0; n < reply.size(); ++n) {
    SCOPED_TRACE(n);
    EXPECT_NE(read(reply.substr(0, n)), HES_OK);
  }
  const char markers[] = {'M', 'V', 'S', 's', 'B', 'b', 'N', 'z', 'l', 'I', 'L', '\xFF', '\0'};
  for (size_t at = 0; at < reply.size(); ++at) {
    for (char marker : markers) {
      std::string bytes = reply;
      bytes[at] = marker;
      read(bytes);
    }
  }
}

TEST(MsgCodecCallTest, EntryPointsAreExportedByName) {
  void* self = dlopen(nullptr, RTLD_NOW);
  ASSERT_NE(self, nullptr);
  EXPECT_EQ(dlsym(self, "MsgCodecBuildRequest"), reinterpret_cast<void*>(&MsgCodecBuildRequest));
  EXPECT_EQ(dlsym(self, "MsgCodecReadResponse"), reinterpret_cast<void*>(&MsgCodecReadResponse));
  dlclose(self);
}

}  // namespace
