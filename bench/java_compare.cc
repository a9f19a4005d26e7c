// bench_java: the codec against Caucho's Hessian for Java, in one run. One behaviour report
// (1000 MeasureReq, 1000 EventReq, about half a megabyte as a call) is
//   - written as a call: MsgCodecBuildRequest into one reused output, against HessianOutput into
//     an unsynchronised byte stream;
//   - read back from a reply into a new ReqBehavior each time: MsgCodecReadResponse, against
//     HessianInput.readReply.
// The JVM is started once and warmed up; then C++ and Java batches alternate, round after
// round. Prints the median messages per second of each side, the ratios and the spread.
#include <msgcodec/msgcodec.h>
#include <msgcodec/zavo/cl/behavior.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kItems = 1000;
// The output grows in steps of 256 KiB: a report of half a megabyte takes three steps once,
// and the reused output keeps its room.
constexpr uint32_t kGrowthStep = 256 * 1024;

void Fill(zavo::cl::ReqBehavior& report) {
  report.reqID = 4711;
  report.header.cnc = 3;
  report.header.cnu = 120045;
  report.header.cnr = 987654321012ll;
  report.header.session = 77;
  report.header.os = 11;
  static const char16_t* const kSsids[] = {u"home", u"Caf\u00E9 guest", u"eduroam", u"airport-free",
                                           u"HOTEL_5G"};
  for (int i = 0; i < kItems; ++i) {
    auto* m = new zavo::cl::MeasureReq;
    m->recType = 1 + i % 3;
    m->cnu = 120045;
    m->cnr = 5000000000ll + i * 7919;
    const char mac[6] = {0x00,
                         0x1A,
                         static_cast<char>(0x2B + i % 5),
                         static_cast<char>(i >> 8),
                         static_cast<char>(i),
                         static_cast<char>(0xC5 ^ i)};
    m->setBssid(mac, 6);
    m->crTmSrvr = 1700000000000ll + i * 60000;
    m->crTmLcl = 1700000000500ll + i * 60000;
    m->duration = 3600 + i * 13;
    m->sessType = i % 4;
    m->wifiRx = (1ll << 33) + i * 104729;
    m->wifiTx = (1ll << 31) + i * 1299709;
    m->cellRx = i * 31;
    m->cellTx = i * 17;
    m->totalConnTm = 7200 + i;
    m->apConnTm = 7000 + i;
    m->bw = 54000 + (i % 10) * 1000;
    m->connDev = i % 6;
    m->connDevBitmask = (1ll << (i % 40)) | 1;
    if (report.measureList.Add(*m) != HES_OK) throw std::runtime_error("out of memory");

    auto* e = new zavo::cl::EventReq;
    e->recType = 10 + i % 5;
    e->cnu = 120045;
    e->evTmSrvr = 1700000000000ll + i * 45000;
    e->evTmLcl = 1700000000700ll + i * 45000;
    e->duration = i % 90;
    e->clVer = 0x0001000200030004ll;
    e->cnr = 5000000000ll + i;
    e->ssid.Copy(kSsids[i % 5]);
    e->failReason = i % 7;
    if (report.eventList.Add(*e) != HES_OK) throw std::runtime_error("out of memory");
  }
}

// The JVM running BenchPeer, spoken to through two pipes.
class JavaPeer {
 public:
  JavaPeer(const std::string& java, const std::string& classpath, const std::string& replyFile) {
    int toJava[2], fromJava[2];
    if (pipe(toJava) != 0 || pipe(fromJava) != 0) throw std::runtime_error("pipe failed");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, toJava[0], 0);
    posix_spawn_file_actions_adddup2(&actions, fromJava[1], 1);
    posix_spawn_file_actions_addclose(&actions, toJava[1]);
    posix_spawn_file_actions_addclose(&actions, fromJava[0]);
    std::vector<std::string> args = {
        java,  "-Xms1g",  "-Xmx1g",    "--add-opens", "java.base/java.lang=ALL-UNNAMED",
        "-cp", classpath, "BenchPeer", replyFile};
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    const int rc = posix_spawnp(&mPid, java.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(toJava[0]);
    close(fromJava[1]);
    if (rc != 0) throw std::runtime_error("cannot start " + java);
    mTo = fdopen(toJava[1], "w");
    mFrom = fdopen(fromJava[0], "r");
  }
  ~JavaPeer() {
    std::fputs("quit\n", mTo);
    std::fclose(mTo);
    std::fclose(mFrom);
    int status;
    waitpid(mPid, &status, 0);
  }

  // Sends one command; the answer line.
  std::string Ask(const std::string& command) {
    std::fputs((command + "\n").c_str(), mTo);
    std::fflush(mTo);
    char line[256];
    if (std::fgets(line, sizeof(line), mFrom) == nullptr) {
      throw std::runtime_error("the Java peer stopped (command " + command + ")");
    }
    return line;
  }
  // Runs n operations; their time in seconds, and the answer's second number.
  double Run(const char* what, int n, long long* detail = nullptr) {
    long long ns = 0, other = 0;
    if (std::sscanf(Ask(std::string(what) + " " + std::to_string(n)).c_str(), "%lld %lld", &ns,
                    &other) != 2) {
      throw std::runtime_error("bad answer from the Java peer");
    }
    if (detail != nullptr) *detail = other;
    return ns / 1e9;
  }

 private:
  pid_t mPid = 0;
  FILE* mTo = nullptr;
  FILE* mFrom = nullptr;
};

struct Cpp {
  zavo::cl::ReqBehavior report;
  CZavoOutput out{kGrowthStep};
  std::string reply;

  double Write(int n) {
    const auto start = Clock::now();
    for (int i = 0; i < n; ++i) {
      out.SetDataSize(0);
      if (MsgCodecBuildRequest("reportBehavior", 14, report, out) != HES_OK) {
        throw std::runtime_error("MsgCodecBuildRequest failed");
      }
    }
    return std::chrono::duration<double>(Clock::now() - start).count();
  }
  double Read(int n) {
    const auto start = Clock::now();
    for (int i = 0; i < n; ++i) {
      zavo::cl::ReqBehavior received;
      CZavoInput input(reply.data(), static_cast<uint32_t>(reply.size()));
      CZavoInputParse parse(input);
      if (MsgCodecReadResponse(received, parse) != HES_OK ||
          received.measureList.Count() != kItems || received.eventList.Count() != kItems) {
        throw std::runtime_error(std::string("MsgCodecReadResponse failed: ") +
                                 (parse.GetError() ? parse.GetError() : ""));
      }
    }
    return std::chrono::duration<double>(Clock::now() - start).count();
  }
};

struct Series {
  std::vector<double> cpp, java;  // messages per second, one per round
};

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

void Report(const char* what, const Series& s) {
  const double cpp = Median(s.cpp), java = Median(s.java);
  std::vector<double> ratios;
  for (size_t i = 0; i < s.cpp.size(); ++i) ratios.push_back(s.cpp[i] / s.java[i]);
  auto [cppMin, cppMax] = std::minmax_element(s.cpp.begin(), s.cpp.end());
  auto [javaMin, javaMax] = std::minmax_element(s.java.begin(), s.java.end());
  auto [rMin, rMax] = std::minmax_element(ratios.begin(), ratios.end());
  std::printf("%s\n", what);
  std::printf("  C++  median %9.1f msg/s  (rounds %.1f .. %.1f)\n", cpp, *cppMin, *cppMax);
  std::printf("  Java median %9.1f msg/s  (rounds %.1f .. %.1f)\n", java, *javaMin, *javaMax);
  std::printf("  ratio C++/Java: %.2f (median of each side); per round %.2f .. %.2f\n", cpp / java,
              *rMin, *rMax);
}

int Batch(double perMessage, double seconds) {
  return std::max(1, static_cast<int>(seconds / std::max(perMessage, 1e-9)));
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{
      "The codec against Caucho's Hessian for Java: writing and reading one behaviour "
      "report, interleaved in one run."};
  std::string java = "java", classpath, workDir = ".", saveDir;
  int rounds = 11;
  double batchSeconds = 0.25, warmupSeconds = 5;
  app.add_option("--java", java, "the java launcher");
  app.add_option("--classpath", classpath, "BenchPeer, the zavo.cl classes and hessian.jar")
      ->required();
  app.add_option("--work-dir", workDir, "where the reply file for the Java side is written");
  app.add_option("--rounds", rounds, "interleaved rounds")->check(CLI::PositiveNumber);
  app.add_option("--batch-seconds", batchSeconds, "time of one batch of one side");
  app.add_option("--warmup-seconds", warmupSeconds, "time the JVM runs before the rounds");
  app.add_option("--save", saveDir, "also write cpp_call.bin and java_call.bin there");
  CLI11_PARSE(app, argc, argv);

  try {
    Cpp cpp;
    Fill(cpp.report);
    cpp.Write(1);
    const uint32_t callSize = cpp.out.DataSize();
    {
      CZavoOutput reply(kGrowthStep);
      reply.Append("r\x01\x00", 3);
      cpp.report.Serialize(reply);
      reply.Append('z');
      cpp.reply.assign(reply.Data(), reply.DataSize());
    }
    const std::string replyFile = workDir + "/bench_java_reply.bin";
    std::ofstream(replyFile, std::ios::binary) << cpp.reply;

    JavaPeer peer(java, classpath, replyFile);
    long long javaCallSize = 0, javaItems = 0;
    peer.Run("write", 1, &javaCallSize);
    peer.Run("read", 1, &javaItems);
    if (javaItems != 2 * kItems) throw std::runtime_error("the Java peer read a wrong report");
    if (!saveDir.empty()) {
      std::ofstream(saveDir + "/cpp_call.bin", std::ios::binary)
          << std::string(cpp.out.Data(), cpp.out.DataSize());
      peer.Ask("save " + saveDir + "/java_call.bin");
    }
    std::printf(
        "behaviour report: %d MeasureReq, %d EventReq; call %u bytes (C++), %lld bytes "
        "(Java); reply %zu bytes\n",
        kItems, kItems, callSize, javaCallSize, cpp.reply.size());

    // Warm-up: the JIT compiles while the JVM runs both paths; the last batches give the
    // batch sizes.
    double javaWrite = 0, javaRead = 0;
    const auto warmStart = Clock::now();
    int warmBatches = 0;
    do {
      javaWrite = peer.Run("write", 10) / 10;
      javaRead = peer.Run("read", 10) / 10;
      ++warmBatches;
    } while (warmBatches < 2 ||
             std::chrono::duration<double>(Clock::now() - warmStart).count() < warmupSeconds);
    const double cppWrite = cpp.Write(5) / 5, cppRead = cpp.Read(5) / 5;
    const int nCppWrite = Batch(cppWrite, batchSeconds), nCppRead = Batch(cppRead, batchSeconds);
    const int nJavaWrite = Batch(javaWrite, batchSeconds),
              nJavaRead = Batch(javaRead, batchSeconds);
    std::printf(
        "batches of %d/%d (C++ write/read) and %d/%d (Java), %d rounds, after %.1f s of "
        "Java warm-up\n\n",
        nCppWrite, nCppRead, nJavaWrite, nJavaRead, rounds,
        std::chrono::duration<double>(Clock::now() - warmStart).count());

    Series writing, reading;
    for (int r = 0; r < rounds; ++r) {
      // Alternate which side goes first, so that neither always follows the other.
      if (r % 2 == 0) {
        writing.cpp.push_back(nCppWrite / cpp.Write(nCppWrite));
        writing.java.push_back(nJavaWrite / peer.Run("write", nJavaWrite));
        reading.cpp.push_back(nCppRead / cpp.Read(nCppRead));
        reading.java.push_back(nJavaRead / peer.Run("read", nJavaRead));
      } else {
        writing.java.push_back(nJavaWrite / peer.Run("write", nJavaWrite));
        writing.cpp.push_back(nCppWrite / cpp.Write(nCppWrite));
        reading.java.push_back(nJavaRead / peer.Run("read", nJavaRead));
        reading.cpp.push_back(nCppRead / cpp.Read(nCppRead));
      }
    }
    Report("writing a call (MsgCodecBuildRequest / HessianOutput.call)", writing);
    Report("reading a reply (MsgCodecReadResponse / HessianInput.readReply)", reading);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "bench_java: %s\n", e.what());
    return 1;
  }
  return 0;
}
