// Catches what a call throws, for comparing exception texts.
#pragma once

#include <corekit/string.h>
#include <corekit/throwable.h>
#include <gtest/gtest.h>

#include "text.h"  // every test that compares strings must see their printer

namespace corekit_test {

// toString of the E that f throws, called through E (so the index exceptions show their
// index); a marker text and a test failure when f throws nothing or something else.
template <class E, class F>
zvlang::CZvString ThrownText(F f) {
  try {
    f();
  } catch (const E& e) {
    return e.toString();
  } catch (...) {
    ADD_FAILURE() << "threw another type";
    return u"<other exception>";
  }
  ADD_FAILURE() << "threw nothing";
  return u"<no exception>";
}

// getMessage of the E that f throws.
template <class E, class F>
zvlang::CZvString ThrownMessage(F f) {
  try {
    f();
  } catch (const E& e) {
    return e.getMessage();
  } catch (...) {
    ADD_FAILURE() << "threw another type";
    return u"<other exception>";
  }
  ADD_FAILURE() << "threw nothing";
  return u"<no exception>";
}

// The full name of the class of the Throwable that f throws.
template <class F>
zvlang::CZvString ThrownClass(F f) {
  try {
    f();
  } catch (const zvlang::Throwable& e) {
    return e.GetFullName();
  }
  ADD_FAILURE() << "threw nothing";
  return u"<no exception>";
}

}  // namespace corekit_test
