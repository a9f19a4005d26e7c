// Tasking: the lock services, and the registry that holds the factory the host installs.
#pragma once

#include <corekit/sptr.h>
#include <corekit/unknown.h>
#include <tasking/tasking_export.h>

namespace zvthrd {

// A recursive lock: the thread that holds it may take it again.
class TASKING_EXPORT CriticalItf : public zvlang::ZvUnknownItf {
 public:
  virtual void Lock() = 0;
  virtual void Unlock() = 0;
  virtual ~CriticalItf();
};

class TASKING_EXPORT ThreadsFactoryItf {
 public:
  virtual SPtr<CriticalItf> CreateCritical() = 0;
  virtual ~ThreadsFactoryItf();
};

class TASKING_EXPORT ThreadsGlobals {
 public:
  // Installs the factory (null uninstalls); the caller keeps ownership.
  static void SetFactory(ThreadsFactoryItf* factory);
  // zvlang::IllegalStateException "No thread factory installed" while there is none.
  static ThreadsFactoryItf& GetFactory();
};

}  // namespace zvthrd
