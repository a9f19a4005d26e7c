#include <tasking/auto_locker.h>

namespace zvthrd {

AutoLocker::AutoLocker(const SPtr<CriticalItf>& critical) : mCritical(critical) {
  if (mCritical) mCritical->Lock();
}

AutoLocker::~AutoLocker() {
  if (mCritical) mCritical->Unlock();
}

}  // namespace zvthrd
