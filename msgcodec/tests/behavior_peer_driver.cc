// The C++ side of the behaviour report's road to a server (part of msgcodec_java_peer).
//   behavior_peer_driver write-report DIR  builds DIR/behavior_call.bin: a zavo.cl.ReqBehavior
//                                          of 1000 measurements and 1000 events
//   behavior_peer_driver read-reply DIR    reads DIR/behavior_reply.bin (a zavo.cl.ResBehavior
//                                          written by the Java peer) and checks every field
// The values are computed here and in java/BehaviorPeer.java by the same formulas.
#include <msgcodec/msgcodec.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "peer_driver.h"

namespace {

using peer::Check;

constexpr int kCount = 1000;

// The value of field k of record i; 32-bit fields take the low 32 bits.
int64_t Value(int i, int k) {
  const uint64_t v = (uint64_t(i) + 1) * 0x9E3779B97F4A7C15ull + uint64_t(k) * 0x100000001ull;
  return static_cast<int64_t>(k % 2 == 0 ? v : 0 - v);
}
int32_t Value32(int i, int k) { return static_cast<int32_t>(static_cast<uint32_t>(Value(i, k))); }

std::optional<std::string> Bssid(int i) {
  if (i % 10 == 0) return std::nullopt;
  return std::string{char(i), char(i >> 8), char(0xAA), char(0xBB), char(0xCC), char(i % 7)};
}

std::optional<std::u16string> Ssid(int i) {
  if (i % 10 == 0) return std::nullopt;
  if (i % 10 == 1) return u"";
  const std::string number = std::to_string(i);
  return u"ssid-" + std::u16string(number.begin(), number.end()) + u" caf\u00e9 \u20ac \u4e2d";
}

int WriteReport(const std::string& dir) {
  zavo::cl::ReqBehavior report;
  report.reqID = 31;
  report.header.cnc = 1001;
  report.header.cnu = -1002;
  report.header.cnr = 0x7FEDCBA987654321ll;
  report.header.session = 1004;
  report.header.os = 1005;
  for (int i = 0; i < kCount; ++i) {
    auto* m = new zavo::cl::MeasureReq;
    m->recType = Value32(i, 1);
    m->cnu = Value(i, 2);
    m->cnr = Value(i, 3);
    if (const auto bssid = Bssid(i)) m->setBssid(bssid->data(), 6);
    m->crTmSrvr = Value(i, 5);
    m->crTmLcl = Value(i, 6);
    m->duration = Value(i, 7);
    m->sessType = Value32(i, 8);
    m->wifiRx = Value(i, 9);
    m->wifiTx = Value(i, 10);
    m->cellRx = Value(i, 11);
    m->cellTx = Value(i, 12);
    m->totalConnTm = Value(i, 13);
    m->apConnTm = Value(i, 14);
    m->bw = Value32(i, 15);
    m->connDev = Value32(i, 16);
    m->connDevBitmask = Value(i, 17);
    if (report.measureList.Add(*m) != HES_OK) return 1;

    auto* e = new zavo::cl::EventReq;
    e->recType = Value32(i, 21);
    e->cnu = Value(i, 22);
    e->evTmSrvr = Value(i, 23);
    e->evTmLcl = Value(i, 24);
    e->duration = Value(i, 25);
    e->clVer = Value(i, 26);
    e->cnr = Value(i, 27);
    if (const auto ssid = Ssid(i)) {
      if (e->ssid.Copy(ssid->data(), static_cast<uint32_t>(ssid->size())) != HES_OK) return 1;
    }
    e->failReason = Value32(i, 29);
    if (report.eventList.Add(*e) != HES_OK) return 1;
  }
  CZavoOutput out(64 * 1024);
  const int rc = MsgCodecBuildRequest("reportBehavior", 14, report, out);
  if (rc != HES_OK) {
    std::printf("MsgCodecBuildRequest failed: %d\n", rc);
    return 1;
  }
  return peer::WriteFile(dir + "/behavior_call.bin", out);
}

int ReadReply(const std::string& dir) {
  const std::string bytes = peer::ReadFile(dir + "/behavior_reply.bin");
  zavo::cl::ResBehavior reply;
  CZavoInput input(bytes.data(), static_cast<uint32_t>(bytes.size()));
  CZavoInputParse parse(input);
  const int rc = MsgCodecReadResponse(reply, parse);
  if (rc != HES_OK) {
    std::printf("MsgCodecReadResponse failed: %d: %s\n", rc,
                parse.GetError() ? parse.GetError() : "");
    return 1;
  }
  Check("whole reply consumed", bytes.size(), size_t{input.GetNumExtracted()});
  Check("resID", 4242, int32_t(reply.resID));
  Check("header.cnc", 21, int32_t(reply.header.cnc));
  Check("header.cnu", -22, int32_t(reply.header.cnu));
  Check("header.cnr", -0x0123456789ABCDEFll, int64_t(reply.header.cnr));
  Check("header.session", 24, int32_t(reply.header.session));
  Check("header.os", 25, int32_t(reply.header.os));
  Check("status", 200, int(uint8_t(reply.status)));
  Check("desc", std::u16string(u"accepted: 1000 measurements, 1000 events \u00fc"),
        std::u16string(reply.desc.GetData(), reply.desc.Length()));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  return peer::RunDriver("behavior_peer_driver", argc, argv,
                         {{"write-report", WriteReport}, {"read-reply", ReadReply}});
}
