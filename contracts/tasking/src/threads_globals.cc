#include <corekit/string.h>
#include <corekit/throwable.h>
#include <tasking/threads_globals.h>

#include <atomic>

namespace zvthrd {
namespace {

std::atomic<ThreadsFactoryItf*> gFactory{nullptr};

}  // namespace

CriticalItf::~CriticalItf() = default;
ThreadsFactoryItf::~ThreadsFactoryItf() = default;

void ThreadsGlobals::SetFactory(ThreadsFactoryItf* factory) { gFactory = factory; }

ThreadsFactoryItf& ThreadsGlobals::GetFactory() {
  ThreadsFactoryItf* factory = gFactory;
  if (!factory) {
    throw zvlang::IllegalStateException(zvlang::CZvString(u"No thread factory installed"));
  }
  return *factory;
}

}  // namespace zvthrd
