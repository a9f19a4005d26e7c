// FileGlobals: the registry that holds the file factory the host installs.
#pragma once

#include <diskio/diskio_export.h>
#include <diskio/file_interfaces.h>

namespace zvfile {

class DISKIO_EXPORT FileGlobals {
 public:
  // Installs the factory (null uninstalls); the caller keeps ownership.
  static void SetFactory(FileFactoryItf* factory);
  // The installed factory; zvlang::IllegalStateException "No file factory installed" while
  // there is none.
  static FileFactoryItf& GetFactory();
};

}  // namespace zvfile
