// CAutoLock: holds an OsLayer lock for its lifetime.
#pragma once

#include <oslayer/class_factory.h>
#include <toolbox/toolbox_export.h>

class TOOLBOX_EXPORT CAutoLock {
 public:
  // Takes lock (a null lock is no lock at all); REQUIRES: lock outlives this object.
  explicit CAutoLock(ILock* lock);
  ~CAutoLock();
  CAutoLock(const CAutoLock&) = delete;
  CAutoLock& operator=(const CAutoLock&) = delete;

 private:
  ILock* mLock;
  bool mLocked;
};
