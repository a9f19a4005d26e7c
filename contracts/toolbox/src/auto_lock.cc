#include <toolbox/auto_lock.h>

CAutoLock::CAutoLock(ILock* lock) : mLock(lock), mLocked(lock && lock->Lock()) {}

CAutoLock::~CAutoLock() {
  if (mLocked) mLock->Unlock();
}
