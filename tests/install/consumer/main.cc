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
  std::puts("consumer ok");
  return 0;
}
