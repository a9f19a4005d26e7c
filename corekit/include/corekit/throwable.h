// Throwable and its subclasses: the failures of every CoreKit-based library.
//
// Thrown by value, caught by reference to any base:
//
//   try { ... throw zvio::IOException(u"disk full"); }
//   catch (const zvlang::Throwable& t) { log(t.toString()); }  // "com.zavo.io.IOException:\n..."
//
// The classes have no virtual operations. The object records its most derived class as a
// pointer to that class's full name, so toString and Throwable::GetFullName report the real
// class whatever the static type. A throwable owns its message and its whole cause chain, and a
// copy takes them over from its source (the source is left without message, cause or text), so
// the copies made while an exception propagates never free anything twice.
#pragma once

#include <corekit/corekit_export.h>
#include <corekit/string.h>

namespace zvlang {

class COREKIT_EXPORT Throwable {
 public:
  Throwable();
  explicit Throwable(const CZvString& message);
  // Takes ownership of cause, which was created with new.
  Throwable(const CZvString& message, Throwable* cause);
  // The message becomes cause->toString(); no message when cause is null.
  explicit Throwable(Throwable* cause);
  // Takes message, cause and cached text from other, which is left without them.
  Throwable(const Throwable& other);
  Throwable& operator=(const Throwable&) = delete;
  // The only virtual member: a cause of any subclass is deleted through its Throwable part.
  virtual ~Throwable();

  // The message, or "com.zavo.lang.Throwable" when there is none.
  const CZvString& getMessage() const;
  const CZvString& getLocalizedMessage() const;
  const Throwable* getCause() const;
  // Ignored when a cause is already set (the caller then keeps cause). Otherwise takes
  // ownership, and when there is no message yet the message becomes cause->toString().
  // REQUIRES: cause is not this throwable and does not have it in its cause chain.
  Throwable& initCause(Throwable* cause);
  // Full name, ":", LF, then the message and LF when the message is not empty, then the cause's
  // text. Built once and cached. Never throws: when the text cannot be built the result is the
  // full name alone.
  CZvString toString() const;
  void printStackTrace();
  Throwable& fillInStackTrace();
  // The full name of the object's most derived class.
  const CZvString& GetFullName() const;

 protected:
  void DeallocateString() const;

  const CZvString* mFullName;
  mutable CZvString* mMessage;
  mutable Throwable* mCause;
  mutable CZvString* mString;
};

// Constructors of the classes that take a message and a cause.
#define ZV_THROWABLE_CAUSE_CTORS(Class)                                  \
  Class();                                                               \
  explicit Class(const ::zvlang::CZvString& message);                    \
  Class(const ::zvlang::CZvString& message, ::zvlang::Throwable* cause); \
  explicit Class(::zvlang::Throwable* cause);                            \
  Class(const Class& other);                                             \
  /* This class's own name, whatever the object. */                      \
  const ::zvlang::CZvString& GetFullName() const;

#define ZV_THROWABLE_MESSAGE_CTORS(Class)             \
  Class();                                            \
  explicit Class(const ::zvlang::CZvString& message); \
  Class(const Class& other);                          \
  const ::zvlang::CZvString& GetFullName() const;

#define ZV_THROWABLE_VALUE_MESSAGE_CTORS(Class) \
  Class();                                      \
  explicit Class(::zvlang::CZvString message);  \
  Class(const Class& other);                    \
  const ::zvlang::CZvString& GetFullName() const;

class COREKIT_EXPORT Exception : public Throwable {
 public:
  ZV_THROWABLE_CAUSE_CTORS(Exception)
};

class COREKIT_EXPORT Error : public Throwable {
 public:
  ZV_THROWABLE_CAUSE_CTORS(Error)
};

class COREKIT_EXPORT RuntimeException : public Exception {
 public:
  ZV_THROWABLE_CAUSE_CTORS(RuntimeException)
};

class COREKIT_EXPORT InterruptedException : public Exception {
 public:
  ZV_THROWABLE_CAUSE_CTORS(InterruptedException)
};

}  // namespace zvlang

namespace zvio {

class COREKIT_EXPORT IOException : public zvlang::Exception {
 public:
  ZV_THROWABLE_MESSAGE_CTORS(IOException)
};

class COREKIT_EXPORT EOFException : public IOException {
 public:
  ZV_THROWABLE_MESSAGE_CTORS(EOFException)
};

class COREKIT_EXPORT FileNotFoundException : public IOException {
 public:
  ZV_THROWABLE_MESSAGE_CTORS(FileNotFoundException)
};

}  // namespace zvio

namespace zvlang {

class COREKIT_EXPORT IllegalArgumentException : public RuntimeException {
 public:
  ZV_THROWABLE_MESSAGE_CTORS(IllegalArgumentException)
};

class COREKIT_EXPORT NumberFormatException : public IllegalArgumentException {
 public:
  ZV_THROWABLE_MESSAGE_CTORS(NumberFormatException)
};

class COREKIT_EXPORT IllegalStateException : public RuntimeException {
 public:
  ZV_THROWABLE_MESSAGE_CTORS(IllegalStateException)
};

class COREKIT_EXPORT IndexOutOfBoundsException : public RuntimeException {
 public:
  ZV_THROWABLE_MESSAGE_CTORS(IndexOutOfBoundsException)
};

// The index exceptions made from an int print "CZvString index out of bounds: " and the number
// through their own toString (hiding Throwable::toString, which does not show the index).
class COREKIT_EXPORT ArrayIndexOutOfBoundsException : public IndexOutOfBoundsException {
 public:
  ZV_THROWABLE_MESSAGE_CTORS(ArrayIndexOutOfBoundsException)
  explicit ArrayIndexOutOfBoundsException(int index);
  CZvString toString() const;

 protected:
  int32_t mIndex;
  bool mHasIndex;
};

class COREKIT_EXPORT StringIndexOutOfBoundsException : public IndexOutOfBoundsException {
 public:
  ZV_THROWABLE_MESSAGE_CTORS(StringIndexOutOfBoundsException)
  explicit StringIndexOutOfBoundsException(int index);
  CZvString toString() const;

 protected:
  int32_t mIndex;
  bool mHasIndex;
};

class COREKIT_EXPORT NegativeArraySizeException : public RuntimeException {
 public:
  ZV_THROWABLE_VALUE_MESSAGE_CTORS(NegativeArraySizeException)
};

class COREKIT_EXPORT NoSuchElementException : public RuntimeException {
 public:
  ZV_THROWABLE_MESSAGE_CTORS(NoSuchElementException)
};

class COREKIT_EXPORT NullPointerException : public RuntimeException {
 public:
  ZV_THROWABLE_VALUE_MESSAGE_CTORS(NullPointerException)
};

class COREKIT_EXPORT SecurityException : public RuntimeException {
 public:
  ZV_THROWABLE_VALUE_MESSAGE_CTORS(SecurityException)
};

class COREKIT_EXPORT VirtualMachineError : public Error {
 public:
  ZV_THROWABLE_MESSAGE_CTORS(VirtualMachineError)
};

// A block held in reserve and given back when memory runs out.
class COREKIT_EXPORT MemorySaver {
 public:
  MemorySaver();  // 256 bytes
  explicit MemorySaver(int size);
  MemorySaver(const MemorySaver&) = delete;
  MemorySaver& operator=(const MemorySaver&) = delete;
  ~MemorySaver();
  // Frees the block; later calls free nothing.
  void Release();
  bool IsHeld() const { return mBlock != nullptr; }

 private:
  void* mBlock;
};

// Every allocation failure of the system ends in ThrowInstance().
class COREKIT_EXPORT OutOfMemoryError : public VirtualMachineError {
 public:
  OutOfMemoryError(const OutOfMemoryError& other);
  const CZvString& GetFullName() const;
  // Gives back the reserve (once: it is never re-acquired) and throws an OutOfMemoryError
  // that has no message, built without allocating.
  [[noreturn]] static void ThrowInstance();

 protected:
  OutOfMemoryError();
  explicit OutOfMemoryError(const CZvString& message);

  static MemorySaver mMemorySaver;
};

}  // namespace zvlang

#undef ZV_THROWABLE_CAUSE_CTORS
#undef ZV_THROWABLE_MESSAGE_CTORS
#undef ZV_THROWABLE_VALUE_MESSAGE_CTORS
