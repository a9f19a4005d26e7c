// The DiskIo file interfaces: the file manager, its factory and three kinds of open file.
// Virtual operations are declared in their slot order, destructors last. Failures are thrown
// as throwables (zvio::IOException and its subclasses, zvlang::OutOfMemoryError).
#pragma once

#include <corekit/sptr.h>
#include <corekit/string.h>
#include <corekit/unknown.h>
#include <diskio/diskio_export.h>
#include <diskio/file_types.h>

#include <cstdint>

namespace zvfile {

using zvlang::CZvString;

class DISKIO_EXPORT ReadFileItf : public zvlang::ZvUnknownItf {
 public:
  virtual void Open(const CZvString& name) = 0;
  virtual void OpenEx(const CZvString& name, TEncType::T encType) = 0;
  virtual void Close() = 0;
  virtual int Read(char* buffer, int count) = 0;
  virtual bool ReadBoolean() = 0;
  virtual char ReadInt8() = 0;
  virtual short ReadInt16() = 0;
  virtual int ReadInt32() = 0;
  virtual int64_t ReadInt64() = 0;
  virtual CZvString ReadUTF8() = 0;
  virtual ~ReadFileItf();
};

class DISKIO_EXPORT WriteFileItf : public zvlang::ZvUnknownItf {
 public:
  virtual void Open(const CZvString& name) = 0;
  virtual void OpenEx(const CZvString& name, TEncType::T encType) = 0;
  virtual void OpenEx2(const CZvString& name, TEncType::T encType, TOpenPos::T openPos) = 0;
  virtual void Replace(const CZvString& name) = 0;
  virtual void ReplaceEx(const CZvString& name, TEncType::T encType) = 0;
  virtual void Close() = 0;
  virtual void Write(const char* data, int count) = 0;
  virtual void WriteBoolean(bool value) = 0;
  virtual void WriteInt8(char value) = 0;
  virtual void WriteInt16(short value) = 0;
  virtual void WriteInt32(int value) = 0;
  virtual void WriteInt64(int64_t value) = 0;
  virtual void WriteUTF8(const CZvString& value) = 0;
  virtual ~WriteFileItf();
};

class DISKIO_EXPORT RandomAccessFileItf : public zvlang::ZvUnknownItf {
 public:
  virtual void Open(const CZvString& name, TOpenMode::T openMode) = 0;
  virtual void Replace(const CZvString& name) = 0;
  virtual void Close() = 0;
  virtual int Read(char* buffer, int count) = 0;
  virtual bool ReadBoolean() = 0;
  virtual char ReadInt8() = 0;
  virtual short ReadInt16() = 0;
  virtual int ReadInt32() = 0;
  virtual int64_t ReadInt64() = 0;
  virtual CZvString ReadUTF8() = 0;
  virtual void Write(const char* data, int count) = 0;
  virtual void WriteBoolean(bool value) = 0;
  virtual void WriteInt8(char value) = 0;
  virtual void WriteInt16(short value) = 0;
  virtual void WriteInt32(int value) = 0;
  virtual void WriteInt64(int64_t value) = 0;
  virtual void WriteUTF8(const CZvString& value) = 0;
  virtual int GetFilePointer() = 0;
  virtual void Seek(int position) = 0;
  virtual int GetSize() = 0;
  virtual void SetSize(int size) = 0;
  virtual ~RandomAccessFileItf();
};

class DISKIO_EXPORT FileMgrItf {
 public:
  virtual void Open() = 0;
  virtual void Close() = 0;
  virtual SPtr<ReadFileItf> AllocateReadFile() = 0;
  virtual SPtr<WriteFileItf> AllocateWriteFile() = 0;
  virtual SPtr<RandomAccessFileItf> AllocateRandomAccessFile() = 0;
  virtual void DeleteFile(const CZvString& name) = 0;
  virtual void CopyFile(const CZvString& source, const CZvString& target) = 0;
  virtual bool FileExists(const CZvString& name) = 0;
  virtual bool FolderExists(const CZvString& name) = 0;
  virtual TCreateResult::T MkDir(const CZvString& name) = 0;
  virtual TCreateResult::T MkParentDir(const CZvString& path) = 0;
  virtual TRemoveResult::T RmDir(const CZvString& name) = 0;
  virtual TRemoveResult::T RmParentDir(const CZvString& path) = 0;
  virtual ~FileMgrItf();
};

class DISKIO_EXPORT FileFactoryItf {
 public:
  // Never null: an allocation failure throws OutOfMemoryError.
  virtual FileMgrItf* CreateFileMgr() = 0;
  // Destroys the manager and sets the pointer to null.
  virtual void ReleaseFileMgr(FileMgrItf*& manager) = 0;
  virtual ~FileFactoryItf();
};

}  // namespace zvfile
