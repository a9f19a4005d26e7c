// Uses each installed library through its umbrella header, as an outside program would.
#include <corekit/corekit.h>
#include <msgcodec/msgcodec.h>

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

}  // namespace

int main() {
  struct Check {
    const char* library;
    bool (*use)();
  };
  const Check checks[] = {
      {"CoreKit", UseCoreKit},
      {"MsgCodec", UseMsgCodec},
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
