#include <corekit/throwable.h>
#include <diskio/file_globals.h>

#include <atomic>

namespace zvfile {
namespace {

std::atomic<FileFactoryItf*> gFactory{nullptr};

}  // namespace

ReadFileItf::~ReadFileItf() = default;
WriteFileItf::~WriteFileItf() = default;
RandomAccessFileItf::~RandomAccessFileItf() = default;
FileMgrItf::~FileMgrItf() = default;
FileFactoryItf::~FileFactoryItf() = default;

void FileGlobals::SetFactory(FileFactoryItf* factory) { gFactory = factory; }

FileFactoryItf& FileGlobals::GetFactory() {
  FileFactoryItf* factory = gFactory;
  if (!factory) throw zvlang::IllegalStateException(CZvString(u"No file factory installed"));
  return *factory;
}

}  // namespace zvfile
