#include <corekit/throwable.h>

#include <cstring>
#include <memory>
#include <new>

#include "text.h"

namespace zvlang {

namespace {

// The full names, built at load in this order, before the reserve below.
const CZvString kThrowableName(u"com.zavo.lang.Throwable");
const CZvString kExceptionName(u"com.zavo.lang.Exception");
const CZvString kErrorName(u"com.zavo.lang.Error");
const CZvString kRuntimeExceptionName(u"com.zavo.lang.RuntimeException");
const CZvString kInterruptedExceptionName(u"com.zavo.lang.InterruptedException");
const CZvString kIOExceptionName(u"com.zavo.io.IOException");
const CZvString kEOFExceptionName(u"com.zavo.io.EOFException");
const CZvString kFileNotFoundExceptionName(u"com.zavo.io.FileNotFoundException");
const CZvString kIllegalArgumentExceptionName(u"com.zavo.lang.IllegalArgumentException");
const CZvString kNumberFormatExceptionName(u"com.zavo.lang.NumberFormatException");
const CZvString kIllegalStateExceptionName(u"com.zavo.lang.IllegalStateException");
const CZvString kIndexOutOfBoundsExceptionName(u"com.zavo.lang.IndexOutOfBoundsException");
const CZvString kArrayIndexOutOfBoundsExceptionName(
    u"com.zavo.lang.ArrayIndexOutOfBoundsException");
const CZvString kStringIndexOutOfBoundsExceptionName(
    u"com.zavo.lang.StringIndexOutOfBoundsException");
const CZvString kNegativeArraySizeExceptionName(u"com.zavo.lang.NegativeArraySizeException");
const CZvString kNoSuchElementExceptionName(u"com.zavo.lang.NoSuchElementException");
const CZvString kNullPointerExceptionName(u"com.zavo.lang.NullPointerException");
const CZvString kSecurityExceptionName(u"com.zavo.lang.SecurityException");
const CZvString kVirtualMachineErrorName(u"com.zavo.lang.VirtualMachineError");
const CZvString kOutOfMemoryErrorName(u"com.zavo.lang.OutOfMemoryError");

// A heap copy of text, or null when that fails: a throwable's constructors never throw.
CZvString* CopyOrNull(const CZvString& text) noexcept { return new (std::nothrow) CZvString(text); }

CZvString* TextOfCause(const Throwable* cause) noexcept {
  if (cause == nullptr) return nullptr;
  return CopyOrNull(cause->toString());
}

void Put(char16_t* buffer, int& at, const CZvString& text) {
  std::memcpy(buffer + at, text.Ptr(), static_cast<size_t>(text.length()) * sizeof(char16_t));
  at += text.length();
}

}  // namespace

// ---- Throwable

Throwable::Throwable()
    : mFullName(&kThrowableName), mMessage(nullptr), mCause(nullptr), mString(nullptr) {}

Throwable::Throwable(const CZvString& message) : Throwable() { mMessage = CopyOrNull(message); }

Throwable::Throwable(const CZvString& message, Throwable* cause) : Throwable(message) {
  mCause = cause;
}

Throwable::Throwable(Throwable* cause) : Throwable() {
  mCause = cause;
  mMessage = TextOfCause(cause);
}

Throwable::Throwable(const Throwable& other)
    : mFullName(other.mFullName),
      mMessage(other.mMessage),
      mCause(other.mCause),
      mString(other.mString) {
  other.mMessage = nullptr;
  other.mCause = nullptr;
  other.mString = nullptr;
}

Throwable::~Throwable() {
  DeallocateString();
  delete mMessage;
  mMessage = nullptr;
  delete mCause;
  mCause = nullptr;
}

const CZvString& Throwable::getMessage() const {
  return mMessage != nullptr ? *mMessage : kThrowableName;
}

const CZvString& Throwable::getLocalizedMessage() const { return getMessage(); }

const Throwable* Throwable::getCause() const { return mCause; }

Throwable& Throwable::initCause(Throwable* cause) {
  if (mCause != nullptr) return *this;
  mCause = cause;
  if (cause != nullptr && mMessage == nullptr) mMessage = TextOfCause(cause);
  return *this;
}

CZvString Throwable::toString() const {
  if (mString != nullptr) return *mString;
  std::unique_ptr<char16_t[]> buffer;
  try {
    const CZvString& name = GetFullName();
    const int messageLength = mMessage != nullptr ? mMessage->length() : 0;
    // Built once and kept: measuring one text and writing another could overrun the buffer.
    CZvString causeText;
    bool causeWhole = true;
    if (mCause != nullptr) {
      causeText = mCause->toString();
      // A cause that could only give its name failed to build its text: so does this one,
      // rather than keep a text that lacks part of the cause for good.
      causeWhole = mCause->mString != nullptr;
    }
    const int causeLength = mCause != nullptr ? causeText.length() : 0;
    const int64_t size = int64_t{name.length()} + messageLength + causeLength + 64;
    if (causeWhole && size <= 0x3FFFFFFF) buffer.reset(new (std::nothrow) char16_t[size]);
    if (buffer != nullptr) {
      int at = 0;
      Put(buffer.get(), at, name);
      buffer[at++] = u':';
      buffer[at++] = u'\n';
      if (messageLength > 0) {
        Put(buffer.get(), at, *mMessage);
        buffer[at++] = u'\n';
      }
      if (causeLength > 0) {
        Put(buffer.get(), at, causeText);
        mCause->DeallocateString();
      }
      mString = new (std::nothrow) CZvString(buffer.get(), at);
      if (mString != nullptr) return *mString;
    }
  } catch (...) {
    // Out of memory inside a string: fall back to the name below.
  }
  DeallocateString();
  return *mFullName;
}

void Throwable::printStackTrace() {}

Throwable& Throwable::fillInStackTrace() { return *this; }

const CZvString& Throwable::GetFullName() const { return *mFullName; }

void Throwable::DeallocateString() const {
  delete mString;
  mString = nullptr;
}

// ---- Subclasses: each constructor level stamps its own full name.

#define ZV_DEFINE_CAUSE_CTORS(Class, Base, Name)                                    \
  Class::Class() : Base() { mFullName = &Name; }                                    \
  Class::Class(const CZvString& message) : Base(message) { mFullName = &Name; }     \
  Class::Class(const CZvString& message, Throwable* cause) : Base(message, cause) { \
    mFullName = &Name;                                                              \
  }                                                                                 \
  Class::Class(Throwable* cause) : Base(cause) { mFullName = &Name; }               \
  Class::Class(const Class& other) : Base(other) {}                                 \
  const CZvString& Class::GetFullName() const { return Name; }

#define ZV_DEFINE_MESSAGE_CTORS(Class, Base, Name)                              \
  Class::Class() : Base() { mFullName = &Name; }                                \
  Class::Class(const CZvString& message) : Base(message) { mFullName = &Name; } \
  Class::Class(const Class& other) : Base(other) {}                             \
  const CZvString& Class::GetFullName() const { return Name; }

#define ZV_DEFINE_VALUE_MESSAGE_CTORS(Class, Base, Name)                 \
  Class::Class() : Base() { mFullName = &Name; }                         \
  Class::Class(CZvString message) : Base(message) { mFullName = &Name; } \
  Class::Class(const Class& other) : Base(other) {}                      \
  const CZvString& Class::GetFullName() const { return Name; }

ZV_DEFINE_CAUSE_CTORS(Exception, Throwable, kExceptionName)
ZV_DEFINE_CAUSE_CTORS(Error, Throwable, kErrorName)
ZV_DEFINE_CAUSE_CTORS(RuntimeException, Exception, kRuntimeExceptionName)
ZV_DEFINE_CAUSE_CTORS(InterruptedException, Exception, kInterruptedExceptionName)
ZV_DEFINE_MESSAGE_CTORS(IllegalArgumentException, RuntimeException, kIllegalArgumentExceptionName)
ZV_DEFINE_MESSAGE_CTORS(NumberFormatException, IllegalArgumentException, kNumberFormatExceptionName)
ZV_DEFINE_MESSAGE_CTORS(IllegalStateException, RuntimeException, kIllegalStateExceptionName)
ZV_DEFINE_MESSAGE_CTORS(IndexOutOfBoundsException, RuntimeException, kIndexOutOfBoundsExceptionName)
ZV_DEFINE_VALUE_MESSAGE_CTORS(NegativeArraySizeException, RuntimeException,
                              kNegativeArraySizeExceptionName)
ZV_DEFINE_MESSAGE_CTORS(NoSuchElementException, RuntimeException, kNoSuchElementExceptionName)
ZV_DEFINE_VALUE_MESSAGE_CTORS(NullPointerException, RuntimeException, kNullPointerExceptionName)
ZV_DEFINE_VALUE_MESSAGE_CTORS(SecurityException, RuntimeException, kSecurityExceptionName)
ZV_DEFINE_MESSAGE_CTORS(VirtualMachineError, Error, kVirtualMachineErrorName)

// ---- Index exceptions

#define ZV_DEFINE_INDEX_EXCEPTION(Class, Name)                                                     \
  Class::Class() : IndexOutOfBoundsException(), mIndex(0), mHasIndex(false) { mFullName = &Name; } \
  Class::Class(const CZvString& message)                                                           \
      : IndexOutOfBoundsException(message), mIndex(0), mHasIndex(false) {                          \
    mFullName = &Name;                                                                             \
  }                                                                                                \
  Class::Class(int index) : IndexOutOfBoundsException(), mIndex(index), mHasIndex(true) {          \
    mFullName = &Name;                                                                             \
  }                                                                                                \
  Class::Class(const Class& other)                                                                 \
      : IndexOutOfBoundsException(other), mIndex(other.mIndex), mHasIndex(other.mHasIndex) {}      \
  const CZvString& Class::GetFullName() const { return Name; }                                     \
  CZvString Class::toString() const {                                                              \
    if (!mHasIndex) return Throwable::toString();                                                  \
    try {                                                                                          \
      return internal::Join(u"CZvString index out of bounds: ", mIndex);                           \
    } catch (...) {                                                                                \
      return Throwable::toString();                                                                \
    }                                                                                              \
  }

ZV_DEFINE_INDEX_EXCEPTION(ArrayIndexOutOfBoundsException, kArrayIndexOutOfBoundsExceptionName)
ZV_DEFINE_INDEX_EXCEPTION(StringIndexOutOfBoundsException, kStringIndexOutOfBoundsExceptionName)

// ---- Out of memory

MemorySaver::MemorySaver() : MemorySaver(256) {}

MemorySaver::MemorySaver(int size)
    : mBlock(size > 0 ? ::operator new(static_cast<size_t>(size), std::nothrow) : nullptr) {}

MemorySaver::~MemorySaver() { Release(); }

void MemorySaver::Release() {
  if (mBlock == nullptr) return;
  ::operator delete(mBlock);
  mBlock = nullptr;
}

MemorySaver OutOfMemoryError::mMemorySaver;

OutOfMemoryError::OutOfMemoryError() : VirtualMachineError() { mFullName = &kOutOfMemoryErrorName; }

OutOfMemoryError::OutOfMemoryError(const CZvString& message) : VirtualMachineError(message) {
  mFullName = &kOutOfMemoryErrorName;
}

OutOfMemoryError::OutOfMemoryError(const OutOfMemoryError& other) : VirtualMachineError(other) {}

const CZvString& OutOfMemoryError::GetFullName() const { return kOutOfMemoryErrorName; }

void OutOfMemoryError::ThrowInstance() {
  mMemorySaver.Release();
  throw OutOfMemoryError();
}

}  // namespace zvlang

namespace zvio {

using zvlang::CZvString;
using zvlang::Exception;

ZV_DEFINE_MESSAGE_CTORS(IOException, Exception, zvlang::kIOExceptionName)
ZV_DEFINE_MESSAGE_CTORS(EOFException, IOException, zvlang::kEOFExceptionName)
ZV_DEFINE_MESSAGE_CTORS(FileNotFoundException, IOException, zvlang::kFileNotFoundExceptionName)

}  // namespace zvio
