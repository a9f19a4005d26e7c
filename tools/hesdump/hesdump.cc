// hesdump: prints Hessian 1.0 calls and replies (one after another, from a file or standard
// input) as indented text, read with the codec's value visitor. What the codec refuses ends the
// dump with the codec's error text, the byte offset and exit code 1.
#include <msgcodec/msgcodec.h>

#include <CLI/CLI.hpp>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int kExitRefused = 1;
constexpr int kExitUnreadable = 2;

const char* CodeName(int rc) {
  switch (rc) {
    case HES_E_NOT_SUPPORTED:
      return "HES_E_NOT_SUPPORTED";
    case HES_E_BAD_ARGUMENT:
      return "HES_E_BAD_ARGUMENT";
    case HES_E_FORMAT:
      return "HES_E_FORMAT";
    case HES_E_NO_DATA:
      return "HES_E_NO_DATA";
    case HES_E_NO_MEMORY:
      return "HES_E_NO_MEMORY";
    case HES_E_STATE:
      return "HES_E_STATE";
    default:
      return "unknown code";
  }
}

// Wire names are raw bytes: printable ASCII as it is, anything else as \xNN.
void AppendName(std::string& out, const CZavoHesName& name) {
  static constexpr char kHex[] = "0123456789abcdef";
  for (uint32_t i = 0; i < name.Length(); ++i) {
    const unsigned char c = static_cast<unsigned char>(name.Text()[i]);
    if (c >= 0x20 && c < 0x7F && c != '\\') {
      out += static_cast<char>(c);
    } else {
      out += "\\x";
      out += kHex[c >> 4];
      out += kHex[c & 0xF];
    }
  }
}

void AppendUtf8(std::string& out, uint32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

void AppendEscape(std::string& out, uint32_t unit) {
  char text[8];
  std::snprintf(text, sizeof(text), "\\u%04X", static_cast<unsigned>(unit));
  out += text;
}

// UTF-16 as quoted UTF-8: surrogate pairs joined, lone surrogates and control characters as
// escapes, so that the text stays one line.
void AppendQuoted(std::string& out, const char16_t* units, uint32_t length) {
  out += '"';
  for (uint32_t i = 0; i < length; ++i) {
    const uint32_t u = units[i];
    if (u >= 0xD800 && u <= 0xDBFF && i + 1 < length && units[i + 1] >= 0xDC00 &&
        units[i + 1] <= 0xDFFF) {
      AppendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (units[i + 1] - 0xDC00));
      ++i;
    } else if (u >= 0xD800 && u <= 0xDFFF) {
      AppendEscape(out, u);
    } else if (u == '"' || u == '\\') {
      out += '\\';
      out += static_cast<char>(u);
    } else if (u == '\n') {
      out += "\\n";
    } else if (u == '\t') {
      out += "\\t";
    } else if (u == '\r') {
      out += "\\r";
    } else if (u < 0x20 || u == 0x7F) {
      AppendEscape(out, u);
    } else {
      AppendUtf8(out, u);
    }
  }
  out += '"';
}

// 2023-11-14T22:13:20.123Z; dates beyond what the C library can show stay in milliseconds.
std::string IsoTime(int64_t milliseconds) {
  int64_t seconds = milliseconds / 1000;
  int64_t millis = milliseconds % 1000;
  if (millis < 0) {
    millis += 1000;
    --seconds;
  }
  const std::time_t t = static_cast<std::time_t>(seconds);
  std::tm tm{};
  char text[64];
  if (gmtime_r(&t, &tm) == nullptr || tm.tm_year + 1900 > 9999 || tm.tm_year + 1900 < 0) {
    std::snprintf(text, sizeof(text), "%lld ms", static_cast<long long>(milliseconds));
    return text;
  }
  std::snprintf(text, sizeof(text), "%04d-%02d-%02dT%02d:%02d:%02d.%03dZ", tm.tm_year + 1900,
                tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec,
                static_cast<int>(millis));
  return text;
}

// One line per value, indented by nesting. The label says where the value sits: a call's
// argument, a reply's result, a member or a list item.
class Printer : public CZavoHesValueVisitor {
 public:
  explicit Printer(std::FILE* out) : mOut(out) {}

  int OnCall(uint8_t major, uint8_t minor, const CZavoHesName& method) override {
    std::string line = "call " + Version(major, minor) + " method \"";
    AppendName(line, method);
    line += '"';
    Emit(line);
    mFrames.push_back({Frame::kCall, 0, {}});
    return HES_OK;
  }
  int OnReply(uint8_t major, uint8_t minor) override {
    Emit("reply " + Version(major, minor));
    mFrames.push_back({Frame::kReply, 0, {}});
    return HES_OK;
  }
  int OnMessageEnd() override {
    mFrames.clear();
    return Flush();
  }

  int OnNull() override { return Value("null"); }
  int OnBool(bool value) override { return Value(value ? "bool true" : "bool false"); }
  int OnInt(int32_t value) override { return Value("int " + std::to_string(value)); }
  int OnLong(int64_t value) override { return Value("long " + std::to_string(value)); }
  int OnDouble(double value) override {
    char text[64];
    const auto result = std::to_chars(text, text + sizeof(text), value);
    return Value("double " + std::string(text, result.ptr));
  }
  int OnDate(int64_t milliseconds) override { return Value("date " + IsoTime(milliseconds)); }
  int OnString(const char16_t* units, uint32_t length) override {
    std::string text = "string ";
    AppendQuoted(text, units, length);
    return Value(text);
  }
  int OnBinary(const char* bytes, uint32_t length) override {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string text = "binary " + std::to_string(length) + (length == 1 ? " byte" : " bytes");
    if (length > 0) text += ' ';
    for (uint32_t i = 0; i < length; ++i) {
      const unsigned char b = static_cast<unsigned char>(bytes[i]);
      text += kHex[b >> 4];
      text += kHex[b & 0xF];
    }
    return Value(text);
  }

  int OnObjectStart(const CZavoHesName& type) override {
    std::string text = "object ";
    AppendName(text, type);
    Value(text);
    mFrames.push_back({Frame::kObject, 0, {}});
    return HES_OK;
  }
  int OnMember(const CZavoHesName& name) override {
    mFrames.back().member.assign(name.Text(), name.Length());
    return HES_OK;
  }
  int OnObjectEnd() override {
    mFrames.pop_back();
    return HES_OK;
  }
  int OnListStart(const CZavoHesName& itemType, int32_t count) override {
    std::string text = "list of ";
    AppendName(text, itemType);
    text += ", " + std::to_string(count) + (count == 1 ? " item" : " items");
    Value(text);
    mFrames.push_back({Frame::kList, 0, {}});
    return HES_OK;
  }
  int OnListEnd() override {
    mFrames.pop_back();
    return HES_OK;
  }

  // Writes what is buffered (also what was printed before a failure).
  int Flush() {
    if (!mBuffer.empty()) std::fwrite(mBuffer.data(), 1, mBuffer.size(), mOut);
    mBuffer.clear();
    std::fflush(mOut);
    return HES_OK;
  }

 private:
  struct Frame {
    enum Kind { kCall, kReply, kObject, kList } kind;
    int32_t index;
    std::string member;
  };

  static std::string Version(uint8_t major, uint8_t minor) {
    char text[16];
    std::snprintf(text, sizeof(text), "0x%02x 0x%02x", major, minor);
    return text;
  }

  void Emit(std::string_view line) {
    mBuffer.append(2 * mFrames.size(), ' ');
    mBuffer += line;
    mBuffer += '\n';
    if (mBuffer.size() > (1 << 16)) Flush();
  }

  // A value line, labelled by the innermost open frame.
  int Value(const std::string& text) {
    std::string line;
    if (!mFrames.empty()) {
      Frame& frame = mFrames.back();
      switch (frame.kind) {
        case Frame::kCall:
          line = "argument " + std::to_string(frame.index++) + ": ";
          break;
        case Frame::kReply:
          line = "result: ";
          break;
        case Frame::kObject:
          AppendName(line,
                     CZavoHesName(frame.member.data(), static_cast<uint32_t>(frame.member.size())));
          line += ": ";
          break;
        case Frame::kList:
          line = "[" + std::to_string(frame.index++) + "] ";
          break;
      }
    }
    Emit(line + text);
    return HES_OK;
  }

  std::FILE* mOut;
  std::string mBuffer;
  std::vector<Frame> mFrames;
};

bool ReadAll(std::FILE* in, std::string& data) {
  char chunk[1 << 16];
  size_t n;
  while ((n = std::fread(chunk, 1, sizeof(chunk), in)) > 0) data.append(chunk, n);
  return !std::ferror(in);
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{
      "Prints Hessian 1.0 calls and replies, one after another, as indented text.\n"
      "Input the codec refuses ends the dump with its error and byte offset (exit code 1);\n"
      "an unreadable input gives exit code 2."};
  std::string file = "-";
  app.add_option("file", file, "the messages to print; - or nothing for standard input");
  CLI11_PARSE(app, argc, argv);

  std::string data;
  std::FILE* in = file == "-" ? stdin : std::fopen(file.c_str(), "rb");
  if (in == nullptr) {
    std::fprintf(stderr, "hesdump: cannot open %s\n", file.c_str());
    return kExitUnreadable;
  }
  const bool read = ReadAll(in, data);
  if (in != stdin) std::fclose(in);
  if (!read) {
    std::fprintf(stderr, "hesdump: cannot read %s\n", file.c_str());
    return kExitUnreadable;
  }
  if (data.size() > UINT32_MAX) {
    std::fprintf(stderr, "hesdump: %s is larger than 4 GiB\n", file.c_str());
    return kExitUnreadable;
  }

  // One input per message, so that the last chars of an error stay within its message; offsets
  // count from the start of the file.
  Printer printer(stdout);
  int message = 0;
  uint32_t start = 0;
  const uint32_t size = static_cast<uint32_t>(data.size());
  while (start < size) {
    ++message;
    CZavoInput input(data.data() + start, size - start);
    CZavoInputParse parse(input);
    const int rc = MsgCodecVisitMessage(parse, printer);
    if (rc != HES_OK) {
      printer.Flush();
      std::fprintf(stderr, "hesdump: message %d (from byte %u): error at byte %u: %s [%s %d]\n",
                   message, start, start + input.GetNumExtracted(),
                   parse.GetError() != nullptr ? parse.GetError() : "", CodeName(rc), rc);
      return kExitRefused;
    }
    start += input.GetNumExtracted();
  }
  printer.Flush();
  return 0;
}
