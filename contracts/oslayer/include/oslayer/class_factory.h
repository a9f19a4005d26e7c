// CClassFactory: the platform's objects by kind. Each kind's object derives from IInterface,
// whose virtual destructor is its first slot; the caller owns what GetInterface gives and
// deletes it. The object behind a kind is of that kind's class, so a static_cast is safe:
//
//   ILock* lock = static_cast<ILock*>(CClassFactory::GetInterface(IT_LOCK));
#pragma once

#include <oslayer/oslayer_export.h>
#include <oslayer/zavo_string.h>

#include <cstdint>

enum EInterfaceType : int32_t {
  IT_SECTION_FILE = 0,  // ISectionFile
  IT_LOCK = 3,          // ILock
  IT_XML_PARSER = 13,   // IXmlParser
  IT_FILE = 15,         // IFile
};

class OSLAYER_EXPORT IInterface {
 public:
  virtual ~IInterface();
};

// A keyed text file: sections of key = value lines (INI). Every write is on disk when it
// returns.
class OSLAYER_EXPORT ISectionFile : public IInterface {
 public:
  // Names the file; an existing file's content is read and kept. False when an existing file
  // cannot be read.
  virtual bool SetFile(const CZavoString& path) = 0;
  // Sets section/key to value (replacing an older value) and saves the file.
  virtual bool WriteValue(const CZavoString& section, const CZavoString& key,
                          const CZavoString& value) = 0;
  // False when the section or key does not exist.
  virtual bool ReadValue(const CZavoString& section, const CZavoString& key,
                         CZavoString& value) = 0;
};

// A recursive lock: the holder may lock again and releases after as many Unlock calls.
class OSLAYER_EXPORT ILock : public IInterface {
 public:
  virtual bool Lock() = 0;
  // False, changing nothing, when the calling thread does not hold the lock.
  virtual bool Unlock() = 0;
};

// An XML document queried with XPath 1.0.
class OSLAYER_EXPORT IXmlParser : public IInterface {
 public:
  // False for empty or malformed text; the document held before is dropped either way.
  virtual bool LoadXml(const CZavoString& text) = 0;
  virtual bool LoadFile(const CZavoString& path) = 0;
  // The text content of the first node the expression selects (an attribute gives its value);
  // false when nothing is selected, no document is loaded or the expression is not valid.
  virtual bool GetNodeText(const CZavoString& xpath, CZavoString& text) = 0;
};

// A file with typed little-endian reads and writes (layout in docs/file-formats.md). Positions
// and sizes are bytes. A typed read that fails (past the end, or on a file not open for
// reading) returns false, gives 0 (or an empty string) and leaves the position unchanged.
class OSLAYER_EXPORT IFile : public IInterface {
 public:
  enum : int32_t { MODE_READ = 0, MODE_WRITE = 1, MODE_READ_WRITE = 2 };

  // mode: 0 read, 1 write, 2 both. create true starts a new empty file (truncating one that
  // exists); false opens an existing file with its content (false when it is missing).
  // The position starts at 0. False when a file is already open on this object.
  virtual bool Open(const CZavoString& path, int32_t mode, bool create, int32_t flags) = 0;
  virtual bool Close() = 0;
  // True when all count bytes were written.
  virtual bool Write(const char* data, int32_t count) = 0;
  virtual bool Flush() = 0;
  // Bytes read (0 at the end), or -1 on failure.
  virtual int32_t Read(char* buffer, int32_t count) = 0;
  // -1 when no file is open.
  virtual int32_t GetSize() = 0;
  // Cuts or extends (with zeros) the file; the position stays where it was.
  virtual bool SetSize(int32_t size) = 0;
  virtual bool SeekToEnd() = 0;
  virtual bool Seek(int32_t position) = 0;
  // -1 when no file is open.
  virtual int32_t GetPosition() = 0;
  virtual bool ReadInt8(int8_t& value) = 0;
  virtual bool ReadInt16(int16_t& value) = 0;
  virtual bool ReadInt32(int32_t& value) = 0;
  virtual bool ReadInt64(int64_t& value) = 0;
  virtual bool ReadUTF8(CZavoString& value) = 0;
  virtual bool WriteInt8(int8_t value) = 0;
  virtual bool WriteInt16(int16_t value) = 0;
  virtual bool WriteInt32(int32_t value) = 0;
  virtual bool WriteInt64(int64_t value) = 0;
  virtual bool WriteUTF8(const CZavoString& value) = 0;
};

class OSLAYER_EXPORT CClassFactory {
 public:
  // A new object of the kind, or null for a kind it does not make.
  static IInterface* GetInterface(EInterfaceType kind);
};
