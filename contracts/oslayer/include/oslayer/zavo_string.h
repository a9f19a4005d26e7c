// CZavoString: the wide (UTF-16) string of every OsLayer and SharedBase boundary.
//
//   CZavoString s;
//   s.Format(u"%03d%05d%s", 7, 3, u"abc");   // "00700003abc"
//   int32_t n = CZavoString::ToInt(u"00012");  // 12
#pragma once

#include <oslayer/oslayer_export.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

class CZavoString;

// One argument of a Format call, captured with its kind so that the formatter never reads an
// argument as something it is not.
struct SFormatArg {
  enum Kind : uint8_t { kNone, kSigned, kUnsigned, kDouble, kWide, kNarrow, kPointer };
  Kind kind = kNone;
  union {
    int64_t s;
    uint64_t u;
    double d;
    const char16_t* w;
    const char* n;
    const void* p;
  };
  SFormatArg() : u(0) {}
};

class OSLAYER_EXPORT CZavoString {
 public:
  // As a count: up to the end. As a start position: from the end. As a result: not found.
  static constexpr int32_t NoIndex = -1;

  CZavoString();
  CZavoString(const char16_t* text);
  // 8-bit text is read as UTF-8.
  CZavoString(const char* text);
  CZavoString(const CZavoString& other);
  CZavoString(CZavoString&& other) noexcept;
  explicit CZavoString(std::u16string_view text);
  virtual ~CZavoString();

  CZavoString& operator=(const CZavoString& other);
  CZavoString& operator=(CZavoString&& other) noexcept;
  CZavoString& operator=(const char16_t* text);
  CZavoString& operator=(const char* text);

  CZavoString& operator+=(const CZavoString& other);
  CZavoString& operator+=(const char16_t* text);
  CZavoString& operator+=(char16_t unit);

  bool operator==(const CZavoString& other) const;
  bool operator!=(const CZavoString& other) const;
  bool operator<(const CZavoString& other) const;
  // Without these, s == u"text" would be ambiguous beside the conversion to a pointer.
  bool operator==(const char16_t* text) const;
  bool operator!=(const char16_t* text) const;

  // Never null; valid until the string changes.
  const char16_t* c_str() const;
  operator const char16_t*() const;

  // Length in UTF-16 units.
  int32_t Length() const;
  bool IsEmpty() const;
  char16_t operator[](int32_t index) const;

  // The count units from pos (count NoIndex: to the end). Outside the string the result is
  // empty; a count past the end stops at the end.
  CZavoString SubStr(int32_t pos, int32_t count = NoIndex) const;
  // Index of the first occurrence of text at or after start, or NoIndex.
  int32_t Find(const CZavoString& text, int32_t start = 0) const;
  // Index of the last occurrence of text that begins at or before start (NoIndex: anywhere),
  // or NoIndex.
  int32_t ReverseFind(const CZavoString& text, int32_t start = NoIndex) const;

  // Replaces the content with the format applied to the arguments, by the Windows wide-printf
  // rules: %s takes wide text (CZavoString, const char16_t*; 8-bit text is accepted as UTF-8),
  // %d %i 32-bit signed, %u %x %X %o 32-bit unsigned, %I64d %lld 64-bit, %c one unit, the
  // flags "-+ 0#", width and precision (also "*"). Arguments keep their C++ type, so a value of
  // another kind than its directive is shown in its own form; a missing argument shows nothing.
  template <class... Args>
  CZavoString& Format(const char16_t* format, const Args&... args) {
    const SFormatArg list[] = {MakeFormatArg(args)..., SFormatArg()};
    return FormatList(format, list, sizeof...(Args));
  }
  CZavoString& FormatList(const char16_t* format, const SFormatArg* args, size_t count);

  // Writes the text as UTF-8 into buffer, NUL-terminated, cutting at a whole character so that
  // at most size - 1 bytes are used. True when the whole text fitted.
  bool ToAnsi(char* buffer, int32_t size) const;

  std::string ToUtf8() const;
  static CZavoString FromUtf8(std::string_view text);
  const std::u16string& Str() const { return mText; }

  // Decimal text that ToInt and ToLong read back; FromBool gives "1" or "0".
  static CZavoString FromInt(int32_t value);
  static CZavoString FromLong(int32_t value);
  static CZavoString FromInt64(int64_t value);
  static CZavoString FromBool(bool value);
  // Decimal with optional leading blanks, sign and leading zeros ("00012" is 12), up to the
  // first other character; 0 for text that starts with no number; out of range saturates.
  static int32_t ToInt(const CZavoString& text);
  static int32_t ToLong(const CZavoString& text);
  static int64_t ToInt64(const CZavoString& text);
  // "1" (any non-zero number) and "true" in any case are true; everything else is false.
  static bool ToBool(const CZavoString& text);

  template <class T>
  static SFormatArg MakeFormatArg(const T& value);

 private:
  std::u16string mText;
};

OSLAYER_EXPORT CZavoString operator+(const CZavoString& a, const CZavoString& b);

template <class T>
SFormatArg CZavoString::MakeFormatArg(const T& value) {
  using D = std::decay_t<T>;
  SFormatArg a;
  if constexpr (std::is_same_v<D, CZavoString>) {
    a.kind = SFormatArg::kWide;
    a.w = value.c_str();
  } else if constexpr (std::is_same_v<D, std::u16string>) {
    a.kind = SFormatArg::kWide;
    a.w = value.c_str();
  } else if constexpr (std::is_same_v<D, const char16_t*> || std::is_same_v<D, char16_t*>) {
    a.kind = SFormatArg::kWide;
    a.w = value;
  } else if constexpr (std::is_same_v<D, const char*> || std::is_same_v<D, char*>) {
    a.kind = SFormatArg::kNarrow;
    a.n = value;
  } else if constexpr (std::is_same_v<D, std::string>) {
    a.kind = SFormatArg::kNarrow;
    a.n = value.c_str();
  } else if constexpr (std::is_same_v<D, std::nullptr_t>) {
    a.kind = SFormatArg::kPointer;
    a.p = nullptr;
  } else if constexpr (std::is_enum_v<D>) {
    a.kind = SFormatArg::kSigned;
    a.s = static_cast<int64_t>(value);
  } else if constexpr (std::is_same_v<D, bool>) {
    a.kind = SFormatArg::kSigned;
    a.s = value ? 1 : 0;
  } else if constexpr (std::is_integral_v<D> && std::is_signed_v<D>) {
    a.kind = SFormatArg::kSigned;
    a.s = static_cast<int64_t>(value);
  } else if constexpr (std::is_integral_v<D>) {
    a.kind = SFormatArg::kUnsigned;
    a.u = static_cast<uint64_t>(value);
  } else if constexpr (std::is_floating_point_v<D>) {
    a.kind = SFormatArg::kDouble;
    a.d = static_cast<double>(value);
  } else if constexpr (std::is_pointer_v<D>) {
    a.kind = SFormatArg::kPointer;
    a.p = static_cast<const void*>(value);
  } else {
    static_assert(std::is_pointer_v<D>, "CZavoString::Format: argument of an unsupported type");
  }
  return a;
}
