// Uses each installed library through its umbrella header, as an outside program would.
#include <corekit/corekit.h>
#include <diskio/diskio.h>
#include <netkinds/netkinds.h>
#include <oslayer/oslayer.h>
#include <sharedbase/sharedbase.h>
#include <statestore/statestore.h>
#include <tasking/tasking.h>
#include <toolbox/toolbox.h>
#include <tracelog/tracelog.h>

#include <cstdio>

int main() {
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
  SPtr<Counted> p(new Counted);
  if (p->mRefCount != 1) return 1;

  CZvStringBuilder text;
  text.append(u"items: ").append(3);
  if (!text.toString().equals(u"items: 3")) return 2;
  try {
    throw zvio::IOException(text.toString());
  } catch (const Throwable& t) {
    if (!t.toString().equals(u"com.zavo.io.IOException:\nitems: 3\n")) return 3;
  }

  CZavoString framed;
  if (framed.Format(u"%03d%05d%s", 7, 3, u"abc") != CZavoString(u"00700003abc")) return 4;
  if (CMacAddr({0, 0x11, 0x22, 0x33, 0x44, 0xC5}).ToString() != CZavoString(u"00-11-22-33-44-C5"))
    return 5;
  if (SAPInfo(5, CMacAddr(), true).GetCNRID() != 5) return 6;
  if (NGlobalToolbox::PackVersion(1, 2, 3, 4) != 0x0001000200030004LL) return 7;

  bool refused = false;
  try {
    zvthrd::ThreadsGlobals::GetFactory();
  } catch (const IllegalStateException&) {
    refused = true;
  }
  if (!refused) return 8;
  zvfile::FileGlobals::SetFactory(nullptr);
  if (zvlogger::TLogLevel::ZV_ERROR >= zvlogger::TLogLevel::ZV_INFO) return 9;
  zvlogger::Log::Info(u"consumer", u"no logger installed: dropped");
  if (!zvtypes::Bssid::Create()->toString().equals(u"00-00-00-00-00-00")) return 10;
  std::puts("consumer ok");
  return 0;
}
