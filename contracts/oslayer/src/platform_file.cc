// IFile over a POSIX descriptor. Typed values are stored little-endian whatever the host:
//   int8  := 1 byte
//   int16 := 2 bytes, int32 := 4 bytes, int64 := 8 bytes, least significant byte first
//   utf8  := int32 byte count n (0 <= n), then n bytes of UTF-8, no terminator
// These layouts are read back by files that outlive releases: never change them.
#include <fcntl.h>
#include <oslayer/file_opers.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <string>

#include "platform_objects.h"

namespace oslayer_internal {
namespace {

bool WriteAll(int fd, const char* data, size_t count) {
  while (count > 0) {
    const ssize_t n = ::write(fd, data, count);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data += n;
    count -= static_cast<size_t>(n);
  }
  return true;
}

}  // namespace

CPosixFile::~CPosixFile() { Close(); }

bool CPosixFile::Open(const CZavoString& path, int32_t mode, bool create, int32_t /*flags*/) {
  if (mFd >= 0 || mode < MODE_READ || mode > MODE_READ_WRITE) return false;
  const std::string native = NFileOpers::NativePath(path);
  if (native.empty()) return false;
  int access = mode == MODE_READ ? O_RDONLY : mode == MODE_WRITE ? O_WRONLY : O_RDWR;
  if (create) {
    // A new empty file, also for reading.
    const int fd = ::open(native.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    ::close(fd);
  }
  const int fd = ::open(native.c_str(), access | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return false;
  }
  mFd = fd;
  mMode = mode;
  return true;
}

bool CPosixFile::Close() {
  if (mFd < 0) return false;
  const bool ok = ::close(mFd) == 0;
  mFd = -1;
  return ok;
}

bool CPosixFile::Write(const char* data, int32_t count) {
  if (mFd < 0 || mMode == MODE_READ || count < 0 || (!data && count > 0)) return false;
  return WriteAll(mFd, data, static_cast<size_t>(count));
}

bool CPosixFile::Flush() { return mFd >= 0 && (mMode == MODE_READ || ::fsync(mFd) == 0); }

int32_t CPosixFile::Read(char* buffer, int32_t count) {
  if (mFd < 0 || mMode == MODE_WRITE || count < 0 || (!buffer && count > 0)) return -1;
  size_t done = 0;
  while (done < static_cast<size_t>(count)) {
    const ssize_t n = ::read(mFd, buffer + done, static_cast<size_t>(count) - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return -1;
    if (n == 0) break;
    done += static_cast<size_t>(n);
  }
  return static_cast<int32_t>(done);
}

int32_t CPosixFile::GetSize() {
  if (mFd < 0) return -1;
  struct stat info {};
  if (::fstat(mFd, &info) != 0 || info.st_size > INT32_MAX) return -1;
  return static_cast<int32_t>(info.st_size);
}

bool CPosixFile::SetSize(int32_t size) {
  if (mFd < 0 || mMode == MODE_READ || size < 0) return false;
  return ::ftruncate(mFd, size) == 0;
}

bool CPosixFile::SeekToEnd() { return mFd >= 0 && ::lseek(mFd, 0, SEEK_END) >= 0; }

bool CPosixFile::Seek(int32_t position) {
  return mFd >= 0 && position >= 0 && ::lseek(mFd, position, SEEK_SET) >= 0;
}

int32_t CPosixFile::GetPosition() {
  if (mFd < 0) return -1;
  const off_t at = ::lseek(mFd, 0, SEEK_CUR);
  return at < 0 || at > INT32_MAX ? -1 : static_cast<int32_t>(at);
}

bool CPosixFile::ReadExact(unsigned char* out, size_t n) {
  if (mFd < 0 || mMode == MODE_WRITE) return false;
  const off_t start = ::lseek(mFd, 0, SEEK_CUR);
  if (start < 0) return false;
  const int32_t got = Read(reinterpret_cast<char*>(out), static_cast<int32_t>(n));
  if (got != static_cast<int32_t>(n)) {
    ::lseek(mFd, start, SEEK_SET);
    return false;
  }
  return true;
}

bool CPosixFile::ReadLittle(uint64_t& value, size_t n) {
  unsigned char bytes[8];
  value = 0;
  if (!ReadExact(bytes, n)) return false;
  for (size_t i = 0; i < n; ++i) value |= static_cast<uint64_t>(bytes[i]) << (8 * i);
  return true;
}

bool CPosixFile::WriteLittle(uint64_t value, size_t n) {
  char bytes[8];
  for (size_t i = 0; i < n; ++i) bytes[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
  return Write(bytes, static_cast<int32_t>(n));
}

bool CPosixFile::ReadInt8(int8_t& value) {
  uint64_t v;
  const bool ok = ReadLittle(v, 1);
  value = ok ? static_cast<int8_t>(v) : 0;
  return ok;
}

bool CPosixFile::ReadInt16(int16_t& value) {
  uint64_t v;
  const bool ok = ReadLittle(v, 2);
  value = ok ? static_cast<int16_t>(v) : 0;
  return ok;
}

bool CPosixFile::ReadInt32(int32_t& value) {
  uint64_t v;
  const bool ok = ReadLittle(v, 4);
  value = ok ? static_cast<int32_t>(v) : 0;
  return ok;
}

bool CPosixFile::ReadInt64(int64_t& value) {
  uint64_t v;
  const bool ok = ReadLittle(v, 8);
  value = ok ? static_cast<int64_t>(v) : 0;
  return ok;
}

bool CPosixFile::ReadUTF8(CZavoString& value) {
  value = CZavoString();
  if (mFd < 0 || mMode == MODE_WRITE) return false;
  const int32_t start = GetPosition();
  const int32_t size = GetSize();
  int32_t length = 0;
  if (start < 0 || size < 0 || !ReadInt32(length)) return false;
  // The count is checked against what the file holds before anything is allocated.
  if (length < 0 || length > size - start - 4) {
    Seek(start);
    return false;
  }
  std::string bytes(static_cast<size_t>(length), '\0');
  if (length > 0 && !ReadExact(reinterpret_cast<unsigned char*>(bytes.data()), bytes.size())) {
    Seek(start);
    return false;
  }
  value = CZavoString::FromUtf8(bytes);
  return true;
}

bool CPosixFile::WriteInt8(int8_t value) { return WriteLittle(static_cast<uint8_t>(value), 1); }
bool CPosixFile::WriteInt16(int16_t value) { return WriteLittle(static_cast<uint16_t>(value), 2); }
bool CPosixFile::WriteInt32(int32_t value) { return WriteLittle(static_cast<uint32_t>(value), 4); }
bool CPosixFile::WriteInt64(int64_t value) { return WriteLittle(static_cast<uint64_t>(value), 8); }

bool CPosixFile::WriteUTF8(const CZavoString& value) {
  const std::string bytes = value.ToUtf8();
  if (bytes.size() > static_cast<size_t>(INT32_MAX)) return false;
  std::string record(4, '\0');
  for (size_t i = 0; i < 4; ++i) record[i] = static_cast<char>((bytes.size() >> (8 * i)) & 0xFF);
  record += bytes;
  // One write, so that a failure leaves no length without its bytes behind it as far as we can.
  return Write(record.data(), static_cast<int32_t>(record.size()));
}

}  // namespace oslayer_internal
