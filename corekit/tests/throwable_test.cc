#include <corekit/throwable.h>
#include <gtest/gtest.h>

#include <string>

#include "support/failing_allocation.h"
#include "support/text.h"
#include "support/throws.h"

namespace {

using corekit_test::AllocationCounter;
using corekit_test::FailingAllocation;
using zvio::IOException;
using zvlang::CZvString;
using zvlang::Exception;
using zvlang::RuntimeException;
using zvlang::Throwable;

// The name of every class, seen through the class itself, through Throwable and when caught.
template <class T>
void ExpectNames(const char16_t* name) {
  SCOPED_TRACE(corekit_test::ToUtf8(name));
  T t;
  EXPECT_EQ(t.GetFullName(), name);
  EXPECT_EQ(static_cast<const Throwable&>(t).GetFullName(), name);
  EXPECT_EQ(static_cast<const Throwable&>(t).toString(), CZvString(name) + u":\n");
  EXPECT_EQ(t.getMessage(), u"com.zavo.lang.Throwable");
  try {
    throw T(u"why");
  } catch (const Throwable& caught) {
    EXPECT_EQ(caught.GetFullName(), name);
    EXPECT_EQ(caught.toString(), CZvString(name) + u":\nwhy\n");
  }
}

TEST(ThrowableTest, EveryClassPrintsItsFullName) {
  using namespace zvlang;
  ExpectNames<Throwable>(u"com.zavo.lang.Throwable");
  ExpectNames<Exception>(u"com.zavo.lang.Exception");
  ExpectNames<Error>(u"com.zavo.lang.Error");
  ExpectNames<RuntimeException>(u"com.zavo.lang.RuntimeException");
  ExpectNames<InterruptedException>(u"com.zavo.lang.InterruptedException");
  ExpectNames<zvio::IOException>(u"com.zavo.io.IOException");
  ExpectNames<zvio::EOFException>(u"com.zavo.io.EOFException");
  ExpectNames<zvio::FileNotFoundException>(u"com.zavo.io.FileNotFoundException");
  ExpectNames<IllegalArgumentException>(u"com.zavo.lang.IllegalArgumentException");
  ExpectNames<NumberFormatException>(u"com.zavo.lang.NumberFormatException");
  ExpectNames<IllegalStateException>(u"com.zavo.lang.IllegalStateException");
  ExpectNames<IndexOutOfBoundsException>(u"com.zavo.lang.IndexOutOfBoundsException");
  ExpectNames<ArrayIndexOutOfBoundsException>(u"com.zavo.lang.ArrayIndexOutOfBoundsException");
  ExpectNames<StringIndexOutOfBoundsException>(u"com.zavo.lang.StringIndexOutOfBoundsException");
  ExpectNames<NegativeArraySizeException>(u"com.zavo.lang.NegativeArraySizeException");
  ExpectNames<NoSuchElementException>(u"com.zavo.lang.NoSuchElementException");
  ExpectNames<NullPointerException>(u"com.zavo.lang.NullPointerException");
  ExpectNames<SecurityException>(u"com.zavo.lang.SecurityException");
  ExpectNames<VirtualMachineError>(u"com.zavo.lang.VirtualMachineError");
}

TEST(ThrowableTest, TextsEndEachPartWithALineFeed) {
  struct Case {
    const char* name;
    CZvString text;
    const char16_t* expected;
  } cases[] = {
      {"default", Exception().toString(), u"com.zavo.lang.Exception:\n"},
      {"empty message", IOException(u"").toString(), u"com.zavo.io.IOException:\n"},
      {"message", IOException(u"disk full").toString(), u"com.zavo.io.IOException:\ndisk full\n"},
      {"message and cause", Exception(u"outer", new RuntimeException(u"inner")).toString(),
       u"com.zavo.lang.Exception:\nouter\ncom.zavo.lang.RuntimeException:\ninner\n"},
      {"cause only: its text twice", Exception(new RuntimeException(u"inner")).toString(),
       u"com.zavo.lang.Exception:\ncom.zavo.lang.RuntimeException:\ninner\n\n"
       u"com.zavo.lang.RuntimeException:\ninner\n"},
      {"null cause", Exception(static_cast<Throwable*>(nullptr)).toString(),
       u"com.zavo.lang.Exception:\n"},
      {"chain of three",
       zvlang::Error(u"a", new Exception(u"b", new zvio::EOFException(u"c"))).toString(),
       u"com.zavo.lang.Error:\na\ncom.zavo.lang.Exception:\nb\ncom.zavo.io.EOFException:\nc\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.text, c.expected);
  }
}

TEST(ThrowableTest, ToStringIsBuiltOnceAndTheCauseDropsItsCopy) {
  auto* cause = new RuntimeException(u"inner");
  Exception outer(u"outer", cause);
  CZvString first = outer.toString();
  {
    AllocationCounter counter;
    CZvString second = outer.toString();
    EXPECT_EQ(counter.Allocations(), 0);
    EXPECT_EQ(second.Ptr(), first.Ptr());
  }
  // The cause gave up its cached text to the outer one: asking again builds it anew.
  AllocationCounter counter;
  EXPECT_EQ(cause->toString(), u"com.zavo.lang.RuntimeException:\ninner\n");
  EXPECT_GT(counter.Allocations(), 0);
  EXPECT_EQ(outer.getCause(), cause);
}

TEST(ThrowableTest, IndexExceptionsShowTheirIndexOnlyThroughTheirOwnToString) {
  zvlang::StringIndexOutOfBoundsException s(5);
  EXPECT_EQ(s.toString(), u"CZvString index out of bounds: 5");
  EXPECT_EQ(static_cast<const Throwable&>(s).toString(),
            u"com.zavo.lang.StringIndexOutOfBoundsException:\n");
  zvlang::ArrayIndexOutOfBoundsException a(-1);
  EXPECT_EQ(a.toString(), u"CZvString index out of bounds: -1");
  zvlang::ArrayIndexOutOfBoundsException withMessage(CZvString(u"Index: 3, Length: 3"));
  EXPECT_EQ(withMessage.toString(),
            u"com.zavo.lang.ArrayIndexOutOfBoundsException:\nIndex: 3, Length: 3\n");
  zvlang::StringIndexOutOfBoundsException original(7);
  zvlang::StringIndexOutOfBoundsException copy(original);
  EXPECT_EQ(copy.toString(), u"CZvString index out of bounds: 7");
}

TEST(ThrowableTest, OwnGetFullNameDependsOnTheStaticType) {
  IOException io(u"x");
  const Exception& asException = io;
  EXPECT_EQ(asException.GetFullName(), u"com.zavo.lang.Exception");
  EXPECT_EQ(static_cast<const Throwable&>(io).GetFullName(), u"com.zavo.io.IOException");
}

TEST(ThrowableTest, CopyTakesOverMessageCauseAndText) {
  Exception source(u"message", new RuntimeException(u"cause"));
  CZvString text = source.toString();
  Exception copy(source);
  EXPECT_EQ(source.getMessage(), u"com.zavo.lang.Throwable");
  EXPECT_EQ(source.getCause(), nullptr);
  EXPECT_EQ(source.toString(), u"com.zavo.lang.Exception:\n");
  EXPECT_EQ(copy.getMessage(), u"message");
  ASSERT_NE(copy.getCause(), nullptr);
  EXPECT_EQ(copy.toString().Ptr(), text.Ptr());  // the cache came along
  // A copy through a base keeps the class of the object.
  IOException io(u"disk");
  Exception sliced(io);
  EXPECT_EQ(sliced.toString(), u"com.zavo.io.IOException:\ndisk\n");
}

TEST(ThrowableTest, ThrownCopiesKeepTheChain) {
  try {
    try {
      throw IOException(u"inner");
    } catch (IOException& e) {
      throw Exception(u"outer", new IOException(e));
    }
  } catch (const Throwable& t) {
    EXPECT_EQ(t.toString(), u"com.zavo.lang.Exception:\nouter\ncom.zavo.io.IOException:\ninner\n");
  }
}

TEST(ThrowableTest, InitCauseSetsOnceAndFillsAMissingMessage) {
  Exception withMessage(u"mine");
  auto* first = new RuntimeException(u"first");
  EXPECT_EQ(&withMessage.initCause(first), &withMessage);
  EXPECT_EQ(withMessage.getCause(), first);
  EXPECT_EQ(withMessage.getMessage(), u"mine");

  RuntimeException second(u"second");
  withMessage.initCause(&second);  // ignored: the caller keeps second
  EXPECT_EQ(withMessage.getCause(), first);

  Exception withoutMessage;
  withoutMessage.initCause(new RuntimeException(u"why"));
  EXPECT_EQ(withoutMessage.getMessage(), u"com.zavo.lang.RuntimeException:\nwhy\n");
  EXPECT_EQ(withoutMessage.getLocalizedMessage(), withoutMessage.getMessage());

  Exception nullCause;
  nullCause.initCause(nullptr);
  EXPECT_EQ(nullCause.getCause(), nullptr);
  EXPECT_EQ(nullCause.getMessage(), u"com.zavo.lang.Throwable");
}

TEST(ThrowableTest, PrintStackTraceWritesNothing) {
  Exception e(u"quiet");
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  e.printStackTrace();
  EXPECT_EQ(&e.fillInStackTrace(), &e);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

// Reads the reserve of OutOfMemoryError.
struct Reserve : zvlang::OutOfMemoryError {
  static bool Held() { return mMemorySaver.IsHeld(); }
};

TEST(ThrowableTest, ThrowInstanceGivesBackTheReserveOnceAndThrowsWithoutMessage) {
  for (int call = 1; call <= 2; ++call) {
    SCOPED_TRACE(call);
    const bool held = Reserve::Held();
    AllocationCounter counter;
    try {
      zvlang::OutOfMemoryError::ThrowInstance();
    } catch (const zvlang::VirtualMachineError& e) {
      EXPECT_EQ(counter.Frees(), held ? 1 : 0);
      EXPECT_EQ(e.toString(), u"com.zavo.lang.OutOfMemoryError:\n");
      EXPECT_EQ(e.getMessage(), u"com.zavo.lang.Throwable");
    }
    EXPECT_FALSE(Reserve::Held());
  }
}

TEST(ThrowableTest, MemorySaverHoldsABlockUntilReleased) {
  AllocationCounter counter;
  {
    zvlang::MemorySaver saver;
    EXPECT_TRUE(saver.IsHeld());
    EXPECT_EQ(counter.Allocations(), 1);
    saver.Release();
    saver.Release();
    EXPECT_FALSE(saver.IsHeld());
    EXPECT_EQ(counter.Frees(), 1);
  }
  EXPECT_EQ(counter.Frees(), 1);
  zvlang::MemorySaver small(16);
  EXPECT_TRUE(small.IsHeld());
}

TEST(ThrowableTest, FailedAllocationsAreSwallowed) {
  const CZvString message(u"message");
  // A message that cannot be copied is dropped.
  {
    FailingAllocation failing(1);
    IOException e(message);
    EXPECT_TRUE(failing.Fired());
    EXPECT_EQ(e.getMessage(), u"com.zavo.lang.Throwable");
  }
  // A text that cannot be built is the name alone; nothing half-built is kept.
  int failures = 0;
  for (int n = 1; n < 100; ++n) {
    SCOPED_TRACE(n);
    Exception e(message, new RuntimeException(u"cause"));
    CZvString text;
    bool fired;
    {
      FailingAllocation failing(n);
      text = e.toString();
      fired = failing.Fired();
    }
    if (!fired) break;
    ++failures;
    EXPECT_EQ(text, u"com.zavo.lang.Exception");
    EXPECT_EQ(e.toString(),
              u"com.zavo.lang.Exception:\nmessage\ncom.zavo.lang.RuntimeException:\ncause\n");
  }
  EXPECT_GT(failures, 1);
  // The index text falls back to the plain form.
  zvlang::StringIndexOutOfBoundsException index(3);
  FailingAllocation failing(1);
  EXPECT_EQ(index.toString(), u"com.zavo.lang.StringIndexOutOfBoundsException:\n");
}

}  // namespace
