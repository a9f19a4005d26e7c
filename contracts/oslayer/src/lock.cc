#include "platform_objects.h"

namespace oslayer_internal {

bool CRecursiveLock::Lock() {
  const std::thread::id me = std::this_thread::get_id();
  std::unique_lock<std::mutex> guard(mMutex);
  if (mDepth > 0 && mOwner == me) {
    ++mDepth;
    return true;
  }
  mFree.wait(guard, [&] { return mDepth == 0; });
  mOwner = me;
  mDepth = 1;
  return true;
}

bool CRecursiveLock::Unlock() {
  std::lock_guard<std::mutex> guard(mMutex);
  if (mDepth == 0 || mOwner != std::this_thread::get_id()) return false;
  if (--mDepth == 0) {
    mOwner = std::thread::id();
    mFree.notify_one();
  }
  return true;
}

}  // namespace oslayer_internal
