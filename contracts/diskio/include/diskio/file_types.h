// Enumerations of the DiskIo file services.
#pragma once

namespace zvfile {

struct TEncType {
  // 0 is plain; any other value asks for an enciphered file.
  enum T { ZV_PLAIN = 0, ZV_ENCIPHERED = 1 };
};

struct TOpenPos {
  enum T { ZV_START = 0, ZV_END = 1 };  // ZV_END appends
};

struct TOpenMode {
  enum T { ZV_MUST_EXIST = 0, ZV_OPEN_OR_CREATE = 1, ZV_CREATE_NEW = 2 };
};

struct TCreateResult {
  enum T { ZV_CREATED = 0 };
};

struct TRemoveResult {
  enum T { ZV_REMOVED = 0 };
};

}  // namespace zvfile
