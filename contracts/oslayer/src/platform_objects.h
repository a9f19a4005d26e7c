// The objects behind CClassFactory's kinds.
#pragma once

#include <oslayer/class_factory.h>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "ini_file.h"

namespace pugi {
class xml_document;
}

namespace oslayer_internal {

class CIniSectionFile final : public ISectionFile {
 public:
  CIniSectionFile();
  bool SetFile(const CZavoString& path) override;
  bool WriteValue(const CZavoString& section, const CZavoString& key,
                  const CZavoString& value) override;
  bool ReadValue(const CZavoString& section, const CZavoString& key, CZavoString& value) override;

 private:
  std::string mPath;
  CSimpleIniA mIni;
};

class CRecursiveLock final : public ILock {
 public:
  bool Lock() override;
  bool Unlock() override;

 private:
  std::mutex mMutex;
  std::condition_variable mFree;
  std::thread::id mOwner;
  int mDepth = 0;
};

class CPugiXmlParser final : public IXmlParser {
 public:
  CPugiXmlParser();
  ~CPugiXmlParser() override;
  bool LoadXml(const CZavoString& text) override;
  bool LoadFile(const CZavoString& path) override;
  bool GetNodeText(const CZavoString& xpath, CZavoString& text) override;

 private:
  std::unique_ptr<pugi::xml_document> mDoc;
  bool mLoaded = false;
};

class CPosixFile final : public IFile {
 public:
  ~CPosixFile() override;
  bool Open(const CZavoString& path, int32_t mode, bool create, int32_t flags) override;
  bool Close() override;
  bool Write(const char* data, int32_t count) override;
  bool Flush() override;
  int32_t Read(char* buffer, int32_t count) override;
  int32_t GetSize() override;
  bool SetSize(int32_t size) override;
  bool SeekToEnd() override;
  bool Seek(int32_t position) override;
  int32_t GetPosition() override;
  bool ReadInt8(int8_t& value) override;
  bool ReadInt16(int16_t& value) override;
  bool ReadInt32(int32_t& value) override;
  bool ReadInt64(int64_t& value) override;
  bool ReadUTF8(CZavoString& value) override;
  bool WriteInt8(int8_t value) override;
  bool WriteInt16(int16_t value) override;
  bool WriteInt32(int32_t value) override;
  bool WriteInt64(int64_t value) override;
  bool WriteUTF8(const CZavoString& value) override;

 private:
  // Reads exactly n bytes or restores the position and fails.
  bool ReadExact(unsigned char* out, size_t n);
  bool ReadLittle(uint64_t& value, size_t n);
  bool WriteLittle(uint64_t value, size_t n);

  int mFd = -1;
  int32_t mMode = 0;
};

}  // namespace oslayer_internal
