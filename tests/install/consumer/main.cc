// Uses each installed library through its umbrella header, as an outside program would.
#include <corekit/corekit.h>
#include <diskio/diskio.h>
#include <msgcodec/msgcodec.h>
#include <netkinds/netkinds.h>
#include <oslayer/oslayer.h>
#include <sharedbase/sharedbase.h>
#include <statestore/statestore.h>
#include <tasking/tasking.h>
#include <toolbox/toolbox.h>
#include <tracelog/tracelog.h>

#include <cstdio>

namespace {

using namespace zvlang;

struct Counted final : ZvUnknownItf {
  mutable int mRefCount = 0;
  int AddRef() const override { return ++mRefCount; }
  int Release() const override {
    int count = --mRefCount;
    if (count == 0) delete this;
    return count;
  }
};

bool UseCoreKit() {
  SPtr<Counted> p(new Counted);
  if (p->mRefCount != 1) return false;

  CZvStringBuilder text;
  text.append(u"items: ").append(3);
  if (!text.toString().equals(u"items: 3")) return false;
  try {
    throw zvio::IOException(text.toString());
  } catch (const Throwable& t) {
    return t.toString().equals(u"com.zavo.io.IOException:\nitems: 3\n");
  }
  return false;
}

// A message class declared outside the library, written as a call.
class Ping : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "zavo.cl", "Ping", (CZavoHesInt32, seq))
};

bool UseMsgCodec() {
  Ping ping;
  ping.seq = 7;
  CZavoOutput out(64);
  if (MsgCodecBuildRequest("ping", 4, ping, out) != HES_OK || out.DataSize() != 39) return false;
  // A catalogue class with an operation of its own.
  VantorTypes::CT_IPAddr address;
  return address.Copy("\x0A\x00\x00\x01", 4) == HES_OK && address.GetInHostOrder() == 167772161;
}

bool UseOsLayer() {
  CZavoString framed;
  return framed.Format(u"%03d%05d%s", 7, 3, u"abc") == CZavoString(u"00700003abc");
}

bool UseSharedBase() {
  return CMacAddr({0, 0x11, 0x22, 0x33, 0x44, 0xC5}).ToString() ==
         CZavoString(u"00-11-22-33-44-C5");
}

bool UseStateStore() { return SAPInfo(5, CMacAddr(), true).GetCNRID() == 5; }

bool UseToolbox() { return NGlobalToolbox::PackVersion(1, 2, 3, 4) == 0x0001000200030004LL; }

bool UseTasking() {
  try {
    zvthrd::ThreadsGlobals::GetFactory();
  } catch (const IllegalStateException&) {
    return true;
  }
  return false;
}

bool UseDiskIo() {
  zvfile::FileGlobals::SetFactory(nullptr);
  return true;
}

bool UseTraceLog() {
  zvlogger::Log::Info(u"consumer", u"no logger installed: dropped");
  return zvlogger::TLogLevel::ZV_ERROR < zvlogger::TLogLevel::ZV_INFO;
}

bool UseNetKinds() { return zvtypes::Bssid::Create()->toString().equals(u"00-00-00-00-00-00"); }

}  // namespace

int main() {
  struct Check {
    const char* library;
    bool (*use)();
  };
  const Check checks[] = {
      {"CoreKit", UseCoreKit},       {"MsgCodec", UseMsgCodec},     {"OsLayer", UseOsLayer},
      {"SharedBase", UseSharedBase}, {"StateStore", UseStateStore}, {"Toolbox", UseToolbox},
      {"Tasking", UseTasking},       {"DiskIo", UseDiskIo},         {"TraceLog", UseTraceLog},
      {"NetKinds", UseNetKinds},
  };
  for (const Check& check : checks) {
    if (!check.use()) {
      std::printf("consumer: %s failed\n", check.library);
      return 1;
    }
  }
  std::puts("consumer ok");
  return 0;
}
