// hesdump run as a program: golden output for calls and replies, several messages in one input,
// and each refused input kind with the codec's error text, its byte offset and the exit code.
#include <gtest/gtest.h>
#include <msgcodec/msgcodec.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

namespace hesdumptest {

// clang-format off
class Inner : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "zavo.cl", "Inner",
                 (CZavoHesInt16, rssi),
                 (CZavoHesBinary, bssid))
};

class Sample : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "zavo.cl", "Sample",
                 (CZavoHesBool, flag),
                 (CZavoHesInt32, count),
                 (CZavoHesUInt32, mask),
                 (CZavoHesInt64, big),
                 (CZavoHesDouble, ratio),
                 (CZavoHesDate, when),
                 (CZavoHesString, name),
                 (CZavoHesString, missing),
                 (CZavoHesBinary, empty),
                 (Inner, inner),
                 (CZavoHesArray<Inner>, items),
                 (CZavoHesArray<Inner>, none))
};
// clang-format on

std::string Written(const CZavoOutput& out) { return std::string(out.Data(), out.DataSize()); }

std::string SmallCall() {
  Sample s;
  s.flag = true;
  s.count = -70;
  s.mask = 4294967295u;
  s.big = 5000000000ll;
  s.ratio = 0.1;
  s.when = 1700000000123ull;
  // é, €, a quote, a backslash, a newline and a control character.
  const char16_t name[] = {u'C', u'a', u'f', 0x00E9, u' ', 0x20AC, u'"', u'\\', u'\n', 0x01};
  s.name.SetExternal(name, 10);
  s.empty.Copy("", 0);
  s.inner.rssi = -42;
  const char mac[6] = {0x00, 0x11, 0x22, 0x33, 0x44, static_cast<char>(0xC5)};
  s.inner.bssid.SetExternal(mac, 6);
  for (int i = 0; i < 2; ++i) {
    auto* item = new Inner;
    item->rssi = i;
    s.items.Add(*item);
  }
  CZavoOutput out(256);
  EXPECT_EQ(MsgCodecBuildRequest("report", 6, s, out), HES_OK);
  return Written(out);
}

std::string SmallReply() {
  Inner inner;
  inner.rssi = 7;
  CZavoOutput out(64);
  out.Append("r\x01\x00", 3);
  inner.Serialize(out);
  out.Append('z');
  return Written(out);
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct DumpResult {
  int exitCode;
  std::string out;
  std::string err;
};

class HesdumpTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* tmp = std::getenv("TMPDIR");
    mDir = std::string(tmp != nullptr ? tmp : "/tmp") + "/hesdump_test";
    std::system(("mkdir -p '" + mDir + "'").c_str());
  }

  // Runs hesdump with arguments; the input (when given) is a file named by the arguments or,
  // with stdinInput, standard input.
  DumpResult Dump(const std::string& input, const std::string& arguments = "FILE",
                  bool stdinInput = false) {
    const std::string in = mDir + "/input.bin";
    std::ofstream(in, std::ios::binary) << input;
    std::string args = arguments;
    if (const size_t at = args.find("FILE"); at != std::string::npos) args.replace(at, 4, in);
    std::string command = std::string("'") + HESDUMP_PROGRAM + "' " + args;
    if (stdinInput) command += " < '" + in + "'";
    command += " > '" + mDir + "/out.txt' 2> '" + mDir + "/err.txt'";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(mDir + "/out.txt"),
            ReadFile(mDir + "/err.txt")};
  }

  std::string mDir;
};

TEST_F(HesdumpTest, CallAndReplyMatchGoldenOutput) {
  const std::string golden = ReadFile(HESDUMP_GOLDEN_DIR "/call_and_reply.txt");
  const DumpResult run = Dump(SmallCall() + SmallReply());
  ASSERT_FALSE(golden.empty()) << run.out;
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, golden);

  // The same from standard input, with and without "-".
  EXPECT_EQ(Dump(SmallCall() + SmallReply(), "", true).out, golden);
  EXPECT_EQ(Dump(SmallCall() + SmallReply(), "-", true).out, golden);
}

TEST_F(HesdumpTest, SeveralMessagesFollowOneAnother) {
  // Both call versions, a null reply, and a reply of our own version bytes.
  std::string input = SmallReply();
  input += std::string("c\x01\x00m\x00\x04ping", 10) + "N" + "I" +
           std::string("\x00\x00\x00\x05", 4) + "z";
  input += std::string("c\x00\x01m\x00\x00z", 7);
  input += std::string("r\x02\x05Nz", 5);
  input += SmallReply();
  const DumpResult run = Dump(input);
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out,
            "reply 0x01 0x00\n"
            "  result: object zavo.cl.Inner\n"
            "    rssi: int 7\n"
            "    bssid: null\n"
            "call 0x01 0x00 method \"ping\"\n"
            "  argument 0: null\n"
            "  argument 1: int 5\n"
            "call 0x00 0x01 method \"\"\n"
            "reply 0x02 0x05\n"
            "  result: null\n"
            "reply 0x01 0x00\n"
            "  result: object zavo.cl.Inner\n"
            "    rssi: int 7\n"
            "    bssid: null\n");
}

TEST_F(HesdumpTest, EmptyInputPrintsNothing) {
  const DumpResult run = Dump("");
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "");
}

// Input the codec refuses: the codec's text, the offset where reading stopped, exit code 1;
// what came before is printed.
TEST_F(HesdumpTest, RefusedInputReportsTheCodecErrorAndOffset) {
  const std::string reply = SmallReply();  // 43 bytes, printed before the failing message
  const std::string object = std::string("Mt\x00\x01T", 5) + "S" + std::string("\x00\x01", 2) + "a";
  struct Case {
    const char* what;
    std::string message;
    std::string error;
  };
  const Case cases[] = {
      {"back-reference",
       std::string("r\x01\x00", 3) + object + "R" + std::string("\x00\x00\x00\x00", 4) + "zz",
       "message 2 (from byte 43): error at byte 56: Cannot skip: Unknown type marker: 'R'. Last "
       "chars read: 'r..Mt..TS..aR'. This happens in member \"a\" of class \"T\" "
       "[HES_E_FORMAT -1999995]"},
      {"call header", std::string("c\x00\x01H\x00\x01hTm\x00\x01mz", 13),
       "message 2 (from byte 43): error at byte 47: Call headers ('H') not supported. Last chars "
       "read: 'c..H' [HES_E_NOT_SUPPORTED -1999993]"},
      {"list without a type",
       std::string("r\x01\x00", 3) + object + "Vl" + std::string("\x00\x00\x00\x00", 4) + "zzz",
       "message 2 (from byte 43): error at byte 57: Expected 't' and then type length (of array "
       "item), but got something else. Last chars read: 'r..Mt..TS..aVl'. This happens in "
       "member \"a\" of class \"T\" [HES_E_FORMAT -1999995]"},
      {"anonymous list",
       std::string("r\x01\x00", 3) + object + "Vt" + std::string("\x00\x00", 2) + "l" +
           std::string("\x00\x00\x00\x00", 4) + "zzz",
       "message 2 (from byte 43): error at byte 59: Anonymous lists not supported. Last chars "
       "read: 'r..Mt..TS..aVt..'. This happens in member \"a\" of class \"T\" "
       "[HES_E_NOT_SUPPORTED -1999993]"},
      {"variable-length list",
       std::string("r\x01\x00", 3) + object + "Vt" + std::string("\x00\x02", 2) + "[Tl" +
           std::string("\xFF\xFF\xFF\xFF", 4) + "zzz",
       "message 2 (from byte 43): error at byte 66: Got negative length, indicating variable "
       "length list, which is currently not supported. Last chars read: 'TS..aVt..[Tl....'. "
       "This happens in member \"a\" of class \"T\" [HES_E_NOT_SUPPORTED -1999993]"},
      {"fault reply",
       std::string("r\x01\x00", 3) + "fS" + std::string("\x00\x04", 2) + "code" + "N" + "z",
       "message 2 (from byte 43): error at byte 47: Expected 'M' or 'N' but got something else. "
       "Last chars read: 'r..f' [HES_E_FORMAT -1999995]"},
      {"neither call nor reply", "x",
       "message 2 (from byte 43): error at byte 44: Expected the opening 'c' or 'r', but got "
       "something else. Last chars read: 'x' [HES_E_FORMAT -1999995]"},
      {"unknown call version", std::string("c\x02\x00m\x00\x00z", 7),
       "message 2 (from byte 43): error at byte 46: Expected call version 0x00 0x01 or 0x01 0x00, "
       "but got something else. Last chars read: 'c..' [HES_E_NOT_SUPPORTED -1999993]"},
      {"truncated string",
       std::string("c\x00\x01m\x00\x01mS\x00\x05"
                   "a",
                   11),
       "message 2 (from byte 43): error at byte 54: Failed to read string value. Last chars read: "
       "'c..m..mS..a' [HES_E_NO_DATA -1999996]"},
      {"call without its end", std::string("c\x00\x01m\x00\x01mN", 8),
       "message 2 (from byte 43): error at byte 51: Failed to read the terminating 'z'. Last chars "
       "read: 'c..m..mN' [HES_E_FORMAT -1999995]"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const DumpResult run = Dump(reply + c.message);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "hesdump: " + c.error + "\n");
    EXPECT_EQ(run.out.substr(0, 16), "reply 0x01 0x00\n");
  }
}

TEST_F(HesdumpTest, NestingIsBoundedLikeSkipping) {
  // 300 lists, each holding the next.
  std::string nested = std::string("r\x01\x00", 3) + std::string("Mt\x00\x01T", 5) + "S" +
                       std::string("\x00\x01", 2) + "a";
  for (int i = 0; i < 300; ++i)
    nested += "Vt" + std::string("\x00\x02", 2) + "[Tl" + std::string("\x00\x00\x00\x01", 4);
  const DumpResult run = Dump(nested);
  EXPECT_EQ(run.exitCode, 1);
  // The reply's object is the first level, 255 lists follow; the 256th list is refused.
  const uint32_t offset = 12 + 255 * 11 + 1;
  EXPECT_NE(run.err.find("error at byte " + std::to_string(offset) +
                         ": Cannot skip: values nested deeper than 256 levels"),
            std::string::npos)
      << run.err;
}

TEST_F(HesdumpTest, ExitCodes) {
  const DumpResult help = Dump("", "--help");
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_NE(help.out.find("Prints Hessian 1.0 calls and replies"), std::string::npos);
  EXPECT_NE(help.out.find("file"), std::string::npos);

  const DumpResult missing = Dump("", "'" + mDir + "/no such file'");
  EXPECT_EQ(missing.exitCode, 2);
  EXPECT_EQ(missing.err, "hesdump: cannot open " + mDir + "/no such file\n");

  EXPECT_NE(Dump("", "--no-such-option").exitCode, 0);
}

}  // namespace hesdumptest
