// Writing and reading the behaviour report (zavo::cl::ReqBehavior: 1000 measurements of 17
// scalar and binary members, 1000 events with a string member) as a call and as a reply,
// against a memcpy of the same bytes in the same run. Also counts allocations per operation.
#include <benchmark/benchmark.h>
#include <msgcodec/msgcodec.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "allocation_counter.h"

namespace bench {

// The catalogue's own behaviour report.
using zavo::cl::EventReq;
using zavo::cl::MeasureReq;
using zavo::cl::ReqBehavior;

constexpr int kItems = 1000;

void Fill(ReqBehavior& report) {
  report.reqID = 12;
  report.header.cnr = 123456789;
  for (int i = 0; i < kItems; ++i) {
    auto* m = new MeasureReq;
    m->recType = 1;
    m->cnu = 1000 + i;
    m->cnr = 5000000000ll + i;
    const char mac[6] = {0x00, 0x11, 0x22, 0x33, 0x44, static_cast<char>(i)};
    m->setBssid(mac, 6);
    m->crTmSrvr = 1700000000000ll + i;
    m->crTmLcl = 1700000000500ll + i;
    m->duration = 3600 + i;
    m->wifiRx = 1ll << 33;
    m->wifiTx = 1ll << 31;
    m->cellRx = i;
    m->cellTx = 2 * i;
    m->totalConnTm = 7200;
    m->apConnTm = 7000;
    m->bw = 54000;
    m->connDev = 3;
    m->connDevBitmask = 0x7;
    report.measureList.Add(*m);
    auto* e = new EventReq;
    e->recType = 2;
    e->cnu = 1000 + i;
    e->evTmSrvr = 1700000000000ll + i;
    e->evTmLcl = 1700000000700ll + i;
    e->clVer = 0x0001000200030004ll;
    e->ssid.Copy(u"Caf\u00E9 Wi-Fi guest network");
    e->failReason = i % 7;
    report.eventList.Add(*e);
  }
}

// The bytes of the call and of a reply carrying the same message.
struct Messages {
  std::string call;
  std::string reply;
};

const Messages& GetMessages() {
  static const Messages messages = [] {
    ReqBehavior report;
    Fill(report);
    CZavoOutput call(1 << 20);
    MsgCodecBuildRequest("reportBehavior", 14, report, call);
    CZavoOutput reply(1 << 20);
    reply.Append("r\x01\x00", 3);
    report.Serialize(reply);
    reply.Append('z');
    return Messages{std::string(call.Data(), call.DataSize()),
                    std::string(reply.Data(), reply.DataSize())};
  }();
  return messages;
}

void BM_WriteCall(benchmark::State& state) {
  ReqBehavior report;
  Fill(report);
  CZavoOutput out(1 << 20);
  MsgCodecBuildRequest("reportBehavior", 14, report, out);  // tables, and the output's room
  long allocations = 0;
  for (auto _ : state) {
    out.SetDataSize(0);
    const long before = AllocationCount();
    if (MsgCodecBuildRequest("reportBehavior", 14, report, out) != HES_OK) {
      state.SkipWithError("build failed");
      break;
    }
    allocations += AllocationCount() - before;
    benchmark::DoNotOptimize(out.Data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * out.DataSize());
  state.counters["bytes"] = out.DataSize();
  state.counters["allocs/op"] =
      benchmark::Counter(static_cast<double>(allocations), benchmark::Counter::kAvgIterations);
}

void BM_ReadReply(benchmark::State& state) {
  const std::string& reply = GetMessages().reply;
  ReqBehavior report;
  long allocations = 0;
  for (auto _ : state) {
    CZavoInput input(reply.data(), static_cast<uint32_t>(reply.size()));
    CZavoInputParse parse(input);
    const long before = AllocationCount();
    if (MsgCodecReadResponse(report, parse) != HES_OK) {
      state.SkipWithError("read failed");
      break;
    }
    allocations += AllocationCount() - before;
    benchmark::DoNotOptimize(report.eventList.Count());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * reply.size());
  state.counters["bytes"] = static_cast<double>(reply.size());
  state.counters["allocs/op"] =
      benchmark::Counter(static_cast<double>(allocations), benchmark::Counter::kAvgIterations);
}

void BM_Memcpy(benchmark::State& state) {
  const std::string& call = GetMessages().call;
  std::vector<char> target(call.size());
  for (auto _ : state) {
    std::memcpy(target.data(), call.data(), call.size());
    benchmark::DoNotOptimize(target.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * call.size());
  state.counters["bytes"] = static_cast<double>(call.size());
}

BENCHMARK(BM_Memcpy);
BENCHMARK(BM_WriteCall);
BENCHMARK(BM_ReadReply);

// Prints each codec benchmark's speed as a ratio to the memcpy of the same run.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      auto it = run.counters.find("bytes_per_second");
      if (it != run.counters.end()) mSpeeds[run.benchmark_name()] = it->second;
    }
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    const auto memcpy = mSpeeds.find("BM_Memcpy");
    if (memcpy == mSpeeds.end() || memcpy->second <= 0) return;
    for (const auto& [name, speed] : mSpeeds) {
      if (name == "BM_Memcpy") continue;
      std::printf("%-16s %8.1f MB/s   memcpy / this = %.1f\n", name.c_str(), speed / 1e6,
                  memcpy->second / speed);
    }
  }

 private:
  std::map<std::string, double> mSpeeds;
};

}  // namespace bench

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  bench::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
