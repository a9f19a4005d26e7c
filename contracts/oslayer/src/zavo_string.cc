#include <oslayer/zavo_string.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>

#include "utf.h"

using oslayer_internal::Utf16ToUtf8;
using oslayer_internal::Utf8ToUtf16;

CZavoString::CZavoString() = default;
CZavoString::CZavoString(const char16_t* text) : mText(text ? text : u"") {}
CZavoString::CZavoString(const char* text) : mText(text ? Utf8ToUtf16(text) : u"") {}
CZavoString::CZavoString(const CZavoString& other) = default;
CZavoString::CZavoString(CZavoString&& other) noexcept = default;
CZavoString::CZavoString(std::u16string_view text) : mText(text) {}
CZavoString::~CZavoString() = default;

CZavoString& CZavoString::operator=(const CZavoString& other) = default;
CZavoString& CZavoString::operator=(CZavoString&& other) noexcept = default;
CZavoString& CZavoString::operator=(const char16_t* text) {
  mText = text ? text : u"";
  return *this;
}
CZavoString& CZavoString::operator=(const char* text) {
  mText = text ? Utf8ToUtf16(text) : u"";
  return *this;
}

CZavoString& CZavoString::operator+=(const CZavoString& other) {
  mText += other.mText;
  return *this;
}
CZavoString& CZavoString::operator+=(const char16_t* text) {
  if (text) mText += text;
  return *this;
}
CZavoString& CZavoString::operator+=(char16_t unit) {
  mText += unit;
  return *this;
}

bool CZavoString::operator==(const CZavoString& other) const { return mText == other.mText; }
bool CZavoString::operator!=(const CZavoString& other) const { return mText != other.mText; }
bool CZavoString::operator==(const char16_t* text) const { return mText == (text ? text : u""); }
bool CZavoString::operator!=(const char16_t* text) const { return !(*this == text); }
bool CZavoString::operator<(const CZavoString& other) const { return mText < other.mText; }

const char16_t* CZavoString::c_str() const { return mText.c_str(); }
CZavoString::operator const char16_t*() const { return mText.c_str(); }
int32_t CZavoString::Length() const { return static_cast<int32_t>(mText.size()); }
bool CZavoString::IsEmpty() const { return mText.empty(); }
char16_t CZavoString::operator[](int32_t index) const {
  return index >= 0 && index < Length() ? mText[static_cast<size_t>(index)] : u'\0';
}

CZavoString CZavoString::SubStr(int32_t pos, int32_t count) const {
  if (pos < 0 || pos >= Length() || (count < 0 && count != NoIndex)) return CZavoString();
  const size_t n = count == NoIndex ? std::u16string::npos : static_cast<size_t>(count);
  return CZavoString(std::u16string_view(mText).substr(static_cast<size_t>(pos), n));
}

int32_t CZavoString::Find(const CZavoString& text, int32_t start) const {
  if (start < 0 || start > Length()) return NoIndex;
  const size_t at = mText.find(text.mText, static_cast<size_t>(start));
  return at == std::u16string::npos ? NoIndex : static_cast<int32_t>(at);
}

int32_t CZavoString::ReverseFind(const CZavoString& text, int32_t start) const {
  if (start < 0 && start != NoIndex) return NoIndex;
  const size_t from = start == NoIndex ? std::u16string::npos : static_cast<size_t>(start);
  const size_t at = mText.rfind(text.mText, from);
  return at == std::u16string::npos ? NoIndex : static_cast<int32_t>(at);
}

bool CZavoString::ToAnsi(char* buffer, int32_t size) const {
  if (!buffer || size <= 0) return false;
  const std::string utf8 = ToUtf8();
  size_t n = std::min(utf8.size(), static_cast<size_t>(size - 1));
  // Never end inside a multi-byte character.
  while (n > 0 && n < utf8.size() && (static_cast<unsigned char>(utf8[n]) & 0xC0) == 0x80) --n;
  std::memcpy(buffer, utf8.data(), n);
  buffer[n] = '\0';
  return n == utf8.size();
}

std::string CZavoString::ToUtf8() const { return Utf16ToUtf8(mText); }
CZavoString CZavoString::FromUtf8(std::string_view text) { return CZavoString(Utf8ToUtf16(text)); }

CZavoString CZavoString::FromInt(int32_t value) { return FromInt64(value); }
CZavoString CZavoString::FromLong(int32_t value) { return FromInt64(value); }
CZavoString CZavoString::FromInt64(int64_t value) {
  return CZavoString(std::to_string(value).c_str());
}
CZavoString CZavoString::FromBool(bool value) { return CZavoString(value ? u"1" : u"0"); }

int64_t CZavoString::ToInt64(const CZavoString& text) {
  const std::u16string& s = text.mText;
  size_t i = 0;
  while (i < s.size() && (s[i] == u' ' || s[i] == u'\t' || s[i] == u'\r' || s[i] == u'\n')) ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) negative = s[i++] == u'-';
  uint64_t magnitude = 0;
  bool overflow = false;
  for (; i < s.size() && s[i] >= u'0' && s[i] <= u'9'; ++i) {
    const uint64_t digit = static_cast<uint64_t>(s[i] - u'0');
    if (magnitude > (static_cast<uint64_t>(INT64_MAX) + 1 - digit) / 10) {
      overflow = true;
    } else {
      magnitude = magnitude * 10 + digit;
    }
  }
  if (negative) {
    if (overflow || magnitude > static_cast<uint64_t>(INT64_MAX) + 1) return INT64_MIN;
    return magnitude == static_cast<uint64_t>(INT64_MAX) + 1 ? INT64_MIN
                                                             : -static_cast<int64_t>(magnitude);
  }
  if (overflow || magnitude > static_cast<uint64_t>(INT64_MAX)) return INT64_MAX;
  return static_cast<int64_t>(magnitude);
}

int32_t CZavoString::ToInt(const CZavoString& text) {
  return static_cast<int32_t>(std::clamp<int64_t>(ToInt64(text), INT32_MIN, INT32_MAX));
}
int32_t CZavoString::ToLong(const CZavoString& text) { return ToInt(text); }

bool CZavoString::ToBool(const CZavoString& text) {
  if (ToInt64(text) != 0) return true;
  std::u16string s;
  for (char16_t c : text.mText) {
    if (c != u' ' && c != u'\t' && c != u'\r' && c != u'\n') {
      s += (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c - u'A' + u'a') : c;
    }
  }
  return s == u"true";
}

CZavoString operator+(const CZavoString& a, const CZavoString& b) {
  CZavoString r(a);
  r += b;
  return r;
}

// ---- Format ------------------------------------------------------------------------------

namespace {

// Widths and precisions beyond this are cut: a format cannot make us allocate without bound.
constexpr int kMaxWidth = 4096;

struct Spec {
  bool left = false, plus = false, space = false, zero = false, alt = false;
  int width = 0;
  int precision = -1;
  int bits = 32;  // integer width of the directive
};

int64_t AsSigned(const SFormatArg& a) {
  switch (a.kind) {
    case SFormatArg::kSigned:
      return a.s;
    case SFormatArg::kUnsigned:
      return static_cast<int64_t>(a.u);
    case SFormatArg::kDouble:
      if (!(a.d == a.d) || a.d >= 9.2e18 || a.d <= -9.2e18) return 0;
      return static_cast<int64_t>(a.d);
    case SFormatArg::kPointer:
      return static_cast<int64_t>(reinterpret_cast<uintptr_t>(a.p));
    default:
      return 0;
  }
}

double AsDouble(const SFormatArg& a) {
  switch (a.kind) {
    case SFormatArg::kDouble:
      return a.d;
    case SFormatArg::kSigned:
      return static_cast<double>(a.s);
    case SFormatArg::kUnsigned:
      return static_cast<double>(a.u);
    default:
      return 0.0;
  }
}

void Pad(std::u16string& out, const std::u16string& body, const Spec& spec) {
  const int fill = spec.width - static_cast<int>(body.size());
  if (fill > 0 && !spec.left) out.append(static_cast<size_t>(fill), u' ');
  out += body;
  if (fill > 0 && spec.left) out.append(static_cast<size_t>(fill), u' ');
}

void FormatInteger(std::u16string& out, const SFormatArg& arg, char16_t conv, const Spec& spec) {
  const int64_t raw = AsSigned(arg);
  const bool is_signed = conv == u'd' || conv == u'i';
  bool negative = false;
  uint64_t magnitude;
  if (is_signed) {
    int64_t v = raw;
    if (spec.bits == 32) v = static_cast<int32_t>(raw);
    if (spec.bits == 16) v = static_cast<int16_t>(raw);
    if (spec.bits == 8) v = static_cast<int8_t>(raw);
    negative = v < 0;
    magnitude = negative ? ~static_cast<uint64_t>(v) + 1 : static_cast<uint64_t>(v);
  } else {
    uint64_t v = static_cast<uint64_t>(raw);
    if (spec.bits == 32) v = static_cast<uint32_t>(v);
    if (spec.bits == 16) v = static_cast<uint16_t>(v);
    if (spec.bits == 8) v = static_cast<uint8_t>(v);
    magnitude = v;
  }
  const unsigned base = conv == u'x' || conv == u'X' ? 16 : conv == u'o' ? 8 : 10;
  const char* digits = conv == u'X' ? "0123456789ABCDEF" : "0123456789abcdef";
  std::u16string number;
  for (uint64_t m = magnitude; m != 0; m /= base) number.insert(number.begin(), digits[m % base]);
  if (spec.precision < 0 && number.empty()) number = u"0";
  if (spec.precision > static_cast<int>(number.size())) {
    number.insert(0, static_cast<size_t>(spec.precision) - number.size(), u'0');
  }
  std::u16string prefix;
  if (negative) {
    prefix = u"-";
  } else if (is_signed && spec.plus) {
    prefix = u"+";
  } else if (is_signed && spec.space) {
    prefix = u" ";
  }
  if (spec.alt && magnitude != 0) {
    if (base == 16) prefix += conv == u'X' ? u"0X" : u"0x";
    if (base == 8 && number[0] != u'0') number.insert(number.begin(), u'0');
  }
  if (spec.zero && !spec.left && spec.precision < 0) {
    const int fill = spec.width - static_cast<int>(prefix.size() + number.size());
    if (fill > 0) number.insert(0, static_cast<size_t>(fill), u'0');
  }
  Pad(out, prefix + number, spec);
}

void FormatFloat(std::u16string& out, const SFormatArg& arg, char16_t conv, const Spec& spec) {
  // The narrow format is built here from parsed parts only, never from the caller's text.
  char fmt[32];
  int n = 0;
  fmt[n++] = '%';
  if (spec.left) fmt[n++] = '-';
  if (spec.plus) fmt[n++] = '+';
  if (spec.space) fmt[n++] = ' ';
  if (spec.zero) fmt[n++] = '0';
  if (spec.alt) fmt[n++] = '#';
  fmt[n++] = '*';
  fmt[n++] = '.';
  fmt[n++] = '*';
  fmt[n++] = static_cast<char>(conv);
  fmt[n] = '\0';
  const int precision = spec.precision < 0 ? 6 : spec.precision;
  const double value = AsDouble(arg);
  const int len = std::snprintf(nullptr, 0, fmt, spec.width, precision, value);
  if (len <= 0) return;
  std::string buffer(static_cast<size_t>(len) + 1, '\0');
  std::snprintf(buffer.data(), buffer.size(), fmt, spec.width, precision, value);
  buffer.resize(static_cast<size_t>(len));
  out += Utf8ToUtf16(buffer);
}

void FormatText(std::u16string& out, const SFormatArg& arg, const Spec& spec) {
  std::u16string text;
  switch (arg.kind) {
    case SFormatArg::kWide:
      text = arg.w ? arg.w : u"(null)";
      break;
    case SFormatArg::kNarrow:
      text = arg.n ? Utf8ToUtf16(arg.n) : u"(null)";
      break;
    case SFormatArg::kSigned:
      text = CZavoString::FromInt64(arg.s).Str();
      break;
    case SFormatArg::kUnsigned:
      text = Utf8ToUtf16(std::to_string(arg.u));
      break;
    case SFormatArg::kDouble:
      text = Utf8ToUtf16(std::to_string(arg.d));
      break;
    case SFormatArg::kPointer:
      text = arg.p ? u"" : u"(null)";
      break;
    default:
      return;
  }
  if (spec.precision >= 0 && text.size() > static_cast<size_t>(spec.precision)) {
    text.resize(static_cast<size_t>(spec.precision));
  }
  Pad(out, text, spec);
}

}  // namespace

CZavoString& CZavoString::FormatList(const char16_t* format, const SFormatArg* args, size_t count) {
  std::u16string out;
  size_t next = 0;
  auto take = [&]() -> const SFormatArg* { return next < count ? &args[next++] : nullptr; };
  const std::u16string_view f = format ? format : u"";
  size_t i = 0;
  while (i < f.size()) {
    if (f[i] != u'%') {
      out += f[i++];
      continue;
    }
    const size_t start = i++;
    if (i < f.size() && f[i] == u'%') {
      out += u'%';
      ++i;
      continue;
    }
    Spec spec;
    for (; i < f.size(); ++i) {
      if (f[i] == u'-') {
        spec.left = true;
      } else if (f[i] == u'+') {
        spec.plus = true;
      } else if (f[i] == u' ') {
        spec.space = true;
      } else if (f[i] == u'0') {
        spec.zero = true;
      } else if (f[i] == u'#') {
        spec.alt = true;
      } else {
        break;
      }
    }
    auto read_number = [&](int& target) {
      if (i < f.size() && f[i] == u'*') {
        ++i;
        const SFormatArg* a = take();
        target = a ? static_cast<int>(std::clamp<int64_t>(AsSigned(*a), -kMaxWidth, kMaxWidth)) : 0;
        return;
      }
      int v = 0;
      for (; i < f.size() && f[i] >= u'0' && f[i] <= u'9'; ++i) {
        v = std::min(kMaxWidth, v * 10 + (f[i] - u'0'));
      }
      target = v;
    };
    read_number(spec.width);
    if (spec.width < 0) {
      spec.left = true;
      spec.width = -spec.width;
    }
    if (i < f.size() && f[i] == u'.') {
      ++i;
      read_number(spec.precision);
      if (spec.precision < 0) spec.precision = -1;
    }
    // Length modifiers of the Windows and the C library printf.
    const std::u16string_view rest = f.substr(i);
    if (rest.substr(0, 3) == u"I64") {
      spec.bits = 64, i += 3;
    } else if (rest.substr(0, 3) == u"I32") {
      spec.bits = 32, i += 3;
    } else if (rest.substr(0, 2) == u"ll") {
      spec.bits = 64, i += 2;
    } else if (rest.substr(0, 2) == u"hh") {
      spec.bits = 8, i += 2;
    } else if (!rest.empty() && rest[0] == u'h') {
      spec.bits = 16, ++i;
    } else if (!rest.empty() &&
               (rest[0] == u'I' || rest[0] == u'z' || rest[0] == u'j' || rest[0] == u't')) {
      spec.bits = 64, ++i;
    } else if (!rest.empty() && (rest[0] == u'l' || rest[0] == u'w' || rest[0] == u'L')) {
      ++i;  // long is 32 bits in this system; w and L change nothing here
    }
    if (i >= f.size()) {
      out.append(f.substr(start));
      break;
    }
    const char16_t conv = f[i++];
    switch (conv) {
      case u'd':
      case u'i':
      case u'u':
      case u'x':
      case u'X':
      case u'o': {
        const SFormatArg* a = take();
        if (a) FormatInteger(out, *a, conv, spec);
        break;
      }
      case u'f':
      case u'F':
      case u'e':
      case u'E':
      case u'g':
      case u'G':
      case u'a':
      case u'A': {
        const SFormatArg* a = take();
        if (a) FormatFloat(out, *a, conv, spec);
        break;
      }
      case u's':
      case u'S': {
        const SFormatArg* a = take();
        if (a) FormatText(out, *a, spec);
        break;
      }
      case u'c':
      case u'C': {
        const SFormatArg* a = take();
        if (a) Pad(out, std::u16string(1, static_cast<char16_t>(AsSigned(*a))), spec);
        break;
      }
      case u'p': {
        const SFormatArg* a = take();
        if (a) {
          Spec hex;
          hex.precision = 16;
          hex.bits = 64;
          FormatInteger(out, *a, u'X', hex);
        }
        break;
      }
      case u'n':
        take();  // writes nothing anywhere
        break;
      default:
        out.append(f.substr(start, i - start));
        break;
    }
  }
  mText = std::move(out);
  return *this;
}
