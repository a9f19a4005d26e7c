// AutoLocker: holds a Tasking lock for its lifetime.
#pragma once

#include <tasking/tasking_export.h>
#include <tasking/threads_globals.h>

namespace zvthrd {

class TASKING_EXPORT AutoLocker {
 public:
  // Takes the lock (a null one is none) and keeps a reference to it until it is released.
  explicit AutoLocker(const SPtr<CriticalItf>& critical);
  ~AutoLocker();
  AutoLocker(const AutoLocker&) = delete;
  AutoLocker& operator=(const AutoLocker&) = delete;

 private:
  SPtr<CriticalItf> mCritical;
};

}  // namespace zvthrd
