// The C++ side of msgcodec_java_peer.
//   java_peer_driver write-call DIR   builds DIR/call.bin with MsgCodecBuildRequest
//   java_peer_driver read-reply DIR   reads DIR/reply.bin (written by the Java peer) with
//                                     MsgCodecReadResponse and checks every value; reads
//                                     DIR/reply_ref.bin and expects its back-reference refused
// The values are computed here and in java/MsgCodecPeer.java by the same formulas.
#include <msgcodec/msgcodec.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "peer_driver.h"
#include "test_messages.h"

namespace {

using peer::Check;
using peer::ReadFile;

const char16_t kAlphabet[] = {u'a', u'Z', u'0', u' ', 0x00E9, 0x20AC, 0x4E2D, 0x00FF, 0x07E6, u'~'};

std::u16string Text(int n, int seed, bool astral) {
  std::u16string s;
  s.reserve(n);
  for (int i = 0; i < n; ++i) {
    if (astral && i % 1000 == 998 && i + 1 < n) {
      s += char16_t(0xD83D);
    } else if (astral && i % 1000 == 999) {
      s += char16_t(0xDE00);
    } else {
      s += kAlphabet[(i * 7 + seed) % 10];
    }
  }
  return s;
}

std::string Bytes(int n, int seed) {
  std::string b(n, '\0');
  for (int i = 0; i < n; ++i) b[i] = static_cast<char>((i * 31 + seed) & 0xFF);
  return b;
}

std::u16string TextOf(const CZavoHesString& s) {
  return s.Length() == 0 ? std::u16string()
                         : std::u16string(const_cast<CZavoHesString&>(s).GetData(), s.Length());
}
std::string BytesOf(const CZavoHesBinary& b) {
  return b.Length() == 0 ? std::string()
                         : std::string(const_cast<CZavoHesBinary&>(b).GetData(), b.Length());
}

int WriteCall(const std::string& dir) {
  msgtest::Report r;
  r.reqID = 77;
  r.header.cnc = 1;
  r.header.cnu = -2;
  r.header.cnr = 0x0123456789ABCDEFll;
  r.header.session = 2147483647;
  r.header.os = -2147483647 - 1;

  auto* a = new msgtest::Item;
  a->flag = true;
  a->i8 = -128;
  a->u8 = 255;
  a->i16 = -32768;
  a->u16 = 65535;
  a->i32 = -123456789;
  a->u32 = 4294967295u;
  a->i64 = INT64_MIN;
  a->u64 = UINT64_MAX;
  a->dbl = 3.141592653589793;
  a->date = 1700000000123ull;
  const std::u16string text = Text(70000, 1, false);
  const std::string blob = Bytes(70000, 5);
  if (a->text.Copy(text.data(), static_cast<uint32_t>(text.size())) != HES_OK ||
      a->blob.Copy(blob.data(), static_cast<uint32_t>(blob.size())) != HES_OK ||
      r.items.Add(*a) != HES_OK) {
    return 1;
  }
  if (r.items.Add(*new msgtest::Item) != HES_OK) return 1;  // defaults
  auto* c = new msgtest::Item;
  c->i8 = 7;
  c->u32 = 3000000000u;
  c->dbl = -1.5e300;
  if (c->text.Copy(u"", 0) != HES_OK || c->blob.Copy("", 0) != HES_OK ||
      r.items.Add(*c) != HES_OK) {
    return 1;
  }
  r.general.isLan = 1;
  if (r.note.Copy(u"Gr\u00FC\u00DFe \u20AC \u4E2D\u6587") != HES_OK) return 1;

  CZavoOutput out(4096);
  const int rc = MsgCodecBuildRequest("sendReport", 10, r, out);
  if (rc != HES_OK) {
    std::printf("MsgCodecBuildRequest failed: %d\n", rc);
    return 1;
  }
  return peer::WriteFile(dir + "/call.bin", out);
}

void CheckReplyItem(const msgtest::Item* item, int seed) {
  if (item == nullptr) {
    Check("item present", true, false);
    return;
  }
  Check("flag", seed % 2 == 0, static_cast<bool>(item->flag));
  Check("i8", static_cast<int8_t>(-128 + seed), static_cast<int8_t>(item->i8));
  Check("u8", static_cast<uint8_t>(200 + seed), static_cast<uint8_t>(item->u8));
  Check("i16", static_cast<int16_t>(-30000 - seed), static_cast<int16_t>(item->i16));
  Check("u16", static_cast<uint16_t>(40000 + seed), static_cast<uint16_t>(item->u16));
  Check("i32", 2000000000 + seed, static_cast<int32_t>(item->i32));
  Check("u32", static_cast<uint32_t>(-2 - seed), static_cast<uint32_t>(item->u32));
  Check("i64", INT64_MAX - seed, static_cast<int64_t>(item->i64));
  Check("u64", UINT64_MAX - seed, static_cast<uint64_t>(item->u64));
  Check("dbl", 1.0 / (seed + 3), static_cast<double>(item->dbl));
  Check("date", 1600000000000ull + seed, static_cast<uint64_t>(item->date));
  Check("text (100000 units, non-BMP pairs)", Text(100000, seed, true), TextOf(item->text));
  Check("blob", Bytes(70000 + seed, seed), BytesOf(item->blob));
}

int ReadReply(const std::string& dir) {
  const std::string bytes = ReadFile(dir + "/reply.bin");
  msgtest::Report r;
  r.general.isLan = 5;
  if (r.note.Copy(u"stale") != HES_OK) return 1;
  CZavoInput input(bytes.data(), static_cast<uint32_t>(bytes.size()));
  CZavoInputParse parse(input);
  const int rc = MsgCodecReadResponse(r, parse);
  if (rc != HES_OK) {
    std::printf("MsgCodecReadResponse failed: %d: %s\n", rc,
                parse.GetError() ? parse.GetError() : "");
    return 1;
  }
  Check("whole reply consumed", bytes.size(), size_t{input.GetNumExtracted()});
  Check("reqID", 99, static_cast<int32_t>(r.reqID));
  Check("header.cnc", 11, static_cast<int32_t>(r.header.cnc));
  Check("header.cnu", -12, static_cast<int32_t>(r.header.cnu));
  Check("header.cnr", -0x0123456789ABCDEFll, static_cast<int64_t>(r.header.cnr));
  Check("header.session", 14, static_cast<int32_t>(r.header.session));
  Check("header.os", 15, static_cast<int32_t>(r.header.os));
  Check("items.Count", 2, r.items.Count());
  CheckReplyItem(r.items.GetAt(0), 0);
  CheckReplyItem(r.items.GetAt(1), 1);
  Check("general null", true, r.general.IsNull());
  Check("note null", true, r.note.IsNull());

  // A repeated object is sent as a back-reference, which the codec refuses.
  const std::string refBytes = ReadFile(dir + "/reply_ref.bin");
  msgtest::Report withRef;
  CZavoInput refInput(refBytes.data(), static_cast<uint32_t>(refBytes.size()));
  CZavoInputParse refParse(refInput);
  const int refRc = MsgCodecReadResponse(withRef, refParse);
  Check("back-reference refused", HES_E_FORMAT, refRc);
  if (refParse.GetError() != nullptr) std::printf("back-reference: %s\n", refParse.GetError());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  return peer::RunDriver("java_peer_driver", argc, argv,
                         {{"write-call", WriteCall}, {"read-reply", ReadReply}});
}
