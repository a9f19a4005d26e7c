// Test helpers for CoreKit text: UTF-8 views of UTF-16 strings and a GoogleTest printer.
#pragma once

#include <corekit/string.h>
#include <corekit/string_builder.h>

#include <cstdio>
#include <ostream>
#include <string>

namespace corekit_test {

// UTF-8 of units; an unpaired surrogate is written as \uXXXX.
inline std::string ToUtf8(const char16_t* units, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) {
    unsigned int c = units[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < n && units[i + 1] >= 0xDC00 &&
        units[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (units[++i] - 0xDC00);
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04X", c);
      out += escape;
      continue;
    }
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

inline std::string ToUtf8(const zvlang::CZvString& s) { return ToUtf8(s.Ptr(), s.length()); }

// The units of a builder, read without changing it.
inline std::u16string Units(const zvlang::CZvStringBuilder& b) {
  std::u16string out;
  for (int i = 0; i < b.length(); ++i) out += b.charAt(i);
  return out;
}

inline std::u16string Units(const zvlang::CZvString& s) {
  return std::u16string(s.Ptr(), static_cast<size_t>(s.length()));
}

}  // namespace corekit_test

namespace zvlang {

// Shows a string in test failures as quoted UTF-8, with line feeds and other controls escaped.
inline void PrintTo(const CZvString& s, std::ostream* os) {
  *os << '"';
  for (char c : corekit_test::ToUtf8(s)) {
    if (c == '\n') {
      *os << "\\n";
    } else if (c == '"' || c == '\\') {
      *os << '\\' << c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\x%02X", static_cast<unsigned char>(c));
      *os << escape;
    } else {
      *os << c;
    }
  }
  *os << '"';
}

}  // namespace zvlang
