// Uses each installed library through its umbrella header, as an outside program would.
#include <corekit/corekit.h>

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
  std::puts("consumer ok");
  return 0;
}
