// The value visitor: values of any kind read by the codec's own readers (the scalar, string,
// binary, class and list classes) and reported instead of kept.
#include <msgcodec/hes_array.h>
#include <msgcodec/hes_class.h>
#include <msgcodec/hes_scalar.h>
#include <msgcodec/hes_string.h>
#include <msgcodec/hes_value_visitor.h>
#include <msgcodec/msgcodec_call.h>

#include "error_text.h"

CZavoHesValueVisitor::~CZavoHesValueVisitor() = default;
int CZavoHesValueVisitor::OnCall(uint8_t, uint8_t, const CZavoHesName&) { return HES_OK; }
int CZavoHesValueVisitor::OnReply(uint8_t, uint8_t) { return HES_OK; }
int CZavoHesValueVisitor::OnMessageEnd() { return HES_OK; }
int CZavoHesValueVisitor::OnNull() { return HES_OK; }
int CZavoHesValueVisitor::OnBool(bool) { return HES_OK; }
int CZavoHesValueVisitor::OnInt(int32_t) { return HES_OK; }
int CZavoHesValueVisitor::OnLong(int64_t) { return HES_OK; }
int CZavoHesValueVisitor::OnDouble(double) { return HES_OK; }
int CZavoHesValueVisitor::OnDate(int64_t) { return HES_OK; }
int CZavoHesValueVisitor::OnString(const char16_t*, uint32_t) { return HES_OK; }
int CZavoHesValueVisitor::OnBinary(const char*, uint32_t) { return HES_OK; }
int CZavoHesValueVisitor::OnObjectStart(const CZavoHesName&) { return HES_OK; }
int CZavoHesValueVisitor::OnMember(const CZavoHesName&) { return HES_OK; }
int CZavoHesValueVisitor::OnObjectEnd() { return HES_OK; }
int CZavoHesValueVisitor::OnListStart(const CZavoHesName&, int32_t) { return HES_OK; }
int CZavoHesValueVisitor::OnListEnd() { return HES_OK; }

namespace {

constexpr CZavoHesName kEmptyName{"", 0};

// levels: objects and lists already open around the value.
int VisitAny(CZavoInputParse& parse, CZavoHesValueVisitor& visitor, uint32_t levels);

// A member's value, read by the visitor.
class VisitedValue : public CZavoHesObject {
 public:
  VisitedValue(CZavoHesValueVisitor& visitor, uint32_t levels)
      : mVisitor(visitor), mLevels(levels) {}
  int Deserialize(CZavoInputParse& parse) override { return VisitAny(parse, mVisitor, mLevels); }

 private:
  CZavoHesValueVisitor& mVisitor;
  uint32_t mLevels;
};

// An object of any type: the class reader's start and member names, each value visited. The
// received type name is its class name, so that error texts name the class as received.
class VisitedObject : public CZavoHesClass {
 public:
  VisitedObject(CZavoHesValueVisitor& visitor, uint32_t levels)
      : mVisitor(visitor), mLevels(levels) {
    mVerifyClassName = false;
  }
  const CZavoHesName& Namespace() const override { return kEmptyName; }
  const CZavoHesName& ClassName() const override { return mType; }

  int Deserialize(CZavoInputParse& parse) override {
    int rc = ReadObjectStart(parse, mType);
    if (rc != HES_OK) return rc;
    if (mIsNull) return mVisitor.OnNull();
    if ((rc = mVisitor.OnObjectStart(mType)) != HES_OK) return rc;
    for (;;) {
      const char* name = nullptr;
      uint32_t length = 0;
      bool end = false;
      if ((rc = ReadMemberName(parse, name, length, end)) != HES_OK) return rc;
      if (end) return mVisitor.OnObjectEnd();
      if ((rc = mVisitor.OnMember(CZavoHesName(name, length))) != HES_OK) return rc;
      VisitedValue value(mVisitor, mLevels);
      if ((rc = DeserializeOneMember(name, length, value, parse)) != HES_OK) return rc;
    }
  }

 protected:
  int HashMembers() override { return HES_OK; }

 private:
  CZavoHesValueVisitor& mVisitor;
  uint32_t mLevels;
  CZavoHesName mType{"", 0};
};

// A list of any item type: the list reader's start and end, each item visited, none kept.
class VisitedList : public CZavoHesArrayBase {
 public:
  VisitedList(CZavoHesValueVisitor& visitor, uint32_t levels) : mVisitor(visitor), mLevels(levels) {
    mVerifyItemClass = false;
  }
  const CZavoHesName& ItemNamespace() const override { return kEmptyName; }
  const CZavoHesName& ItemClassName() const override { return kEmptyName; }
  int CreateItem(CZavoHesObject*&) override { return HES_E_NOT_SUPPORTED; }

  int Deserialize(CZavoInputParse& parse) override {
    CZavoHesName itemType{"", 0};
    int32_t count = 0;
    int rc = ReadListStart(parse, itemType, count);
    if (rc != HES_OK) return rc;
    if (IsNull()) return mVisitor.OnNull();
    if ((rc = mVisitor.OnListStart(itemType, count)) != HES_OK) return rc;
    // The count is trusted but costs nothing: every item takes input bytes.
    for (int32_t i = 0; i < count; ++i) {
      if ((rc = VisitAny(parse, mVisitor, mLevels)) != HES_OK) return rc;
    }
    if ((rc = ReadListEnd(parse)) != HES_OK) return rc;
    return mVisitor.OnListEnd();
  }

 private:
  CZavoHesValueVisitor& mVisitor;
  uint32_t mLevels;
};

template <class Value, class Report>
int VisitScalar(CZavoInputParse& parse, Report report) {
  Value value;
  const int rc = value.Deserialize(parse);
  return rc != HES_OK ? rc : report(value);
}

int VisitAny(CZavoInputParse& parse, CZavoHesValueVisitor& visitor, uint32_t levels) {
  CZavoInput& input = parse.Input();
  char marker = 0;
  if (input.ReadByte(marker) != HES_OK) {
    parse.AddToError("Cannot get variable type", ZAVO_NO_LAST_CHARS);
    return HES_E_NO_DATA;
  }
  // Each reader takes its own marker.
  input.PutBack(1);
  switch (marker) {
    case 'N':
      input.ReadByte(marker);
      return visitor.OnNull();
    case 'T':
    case 'F':
      return VisitScalar<CZavoHesBool>(parse,
                                       [&](const CZavoHesBool& v) { return visitor.OnBool(v); });
    case 'I':
      return VisitScalar<CZavoHesInt32>(parse,
                                        [&](const CZavoHesInt32& v) { return visitor.OnInt(v); });
    case 'L':
      return VisitScalar<CZavoHesInt64>(parse,
                                        [&](const CZavoHesInt64& v) { return visitor.OnLong(v); });
    case 'D':
      return VisitScalar<CZavoHesDouble>(
          parse, [&](const CZavoHesDouble& v) { return visitor.OnDouble(v); });
    case 'd':
      return VisitScalar<CZavoHesDate>(parse, [&](const CZavoHesDate& v) {
        return visitor.OnDate(static_cast<int64_t>(static_cast<uint64_t>(v)));
      });
    case 'S':
    case 's':
      return VisitScalar<CZavoHesString>(
          parse, [&](CZavoHesString& v) { return visitor.OnString(v.GetData(), v.Length()); });
    case 'B':
    case 'b':
      return VisitScalar<CZavoHesBinary>(
          parse, [&](CZavoHesBinary& v) { return visitor.OnBinary(v.GetData(), v.Length()); });
    case 'M':
    case 'V': {
      // Bounded like skipping: a run of nested markers cannot exhaust the stack.
      if (levels >= CZavoInputParse::kMaxSkipDepth) {
        input.ReadByte(marker);
        msgcodec_internal::AddNestingError(parse);
        return HES_E_FORMAT;
      }
      if (marker == 'M') {
        VisitedObject object(visitor, levels + 1);
        return object.Deserialize(parse);
      }
      VisitedList list(visitor, levels + 1);
      return list.Deserialize(parse);
    }
    default:
      input.ReadByte(marker);
      msgcodec_internal::AddUnknownMarkerError(parse, marker);
      return HES_E_FORMAT;
  }
}

}  // namespace

int MsgCodecVisitValue(CZavoInputParse& parse, CZavoHesValueVisitor& visitor) {
  return VisitAny(parse, visitor, 0);
}

int MsgCodecVisitRequest(CZavoInputParse& parse, CZavoHesValueVisitor& visitor) {
  CZavoInput& input = parse.Input();
  const char* bytes;
  if (input.Extract(bytes, 3) != HES_OK) {
    parse.AddToError("Could not find data, while looking for the opening 'c' and version",
                     ZAVO_NO_LAST_CHARS);
    return HES_E_NO_DATA;
  }
  if (bytes[0] != 'c') {
    parse.AddToError("Expected the opening 'c', but got something else", ZAVO_NO_LAST_CHARS);
    return HES_E_FORMAT;
  }
  const uint8_t major = static_cast<uint8_t>(bytes[1]);
  const uint8_t minor = static_cast<uint8_t>(bytes[2]);
  if (!((major == 0 && minor == 1) || (major == 1 && minor == 0))) {
    parse.AddToError("Expected call version 0x00 0x01 or 0x01 0x00, but got something else",
                     ZAVO_ADD_LAST_CHARS);
    return HES_E_NOT_SUPPORTED;
  }
  char marker = 0;
  if (input.ReadByte(marker) != HES_OK) {
    parse.AddToError("Failed to read the method ('m')", ZAVO_ADD_LAST_CHARS);
    return HES_E_NO_DATA;
  }
  if (marker == 'H') {
    parse.AddToError("Call headers ('H') not supported", ZAVO_ADD_LAST_CHARS);
    return HES_E_NOT_SUPPORTED;
  }
  if (marker != 'm') {
    parse.AddToError("Expected method ('m') but got something else", ZAVO_ADD_LAST_CHARS);
    return HES_E_FORMAT;
  }
  if (input.Extract(bytes, 2) != HES_OK) {
    parse.AddToError("Failed to read method name length (after 'm')", ZAVO_ADD_LAST_CHARS);
    return HES_E_NO_DATA;
  }
  const uint32_t length =
      (uint32_t{static_cast<unsigned char>(bytes[0])} << 8) | static_cast<unsigned char>(bytes[1]);
  if (input.Extract(bytes, length) != HES_OK) {
    parse.AddToError("Failed to read method name", ZAVO_ADD_LAST_CHARS);
    return HES_E_NO_DATA;
  }
  int rc = visitor.OnCall(major, minor, CZavoHesName(bytes, length));
  if (rc != HES_OK) return rc;
  for (;;) {
    if (input.Remaining() == 0) {
      parse.AddToError("Failed to read the terminating 'z'", ZAVO_ADD_LAST_CHARS);
      return HES_E_FORMAT;
    }
    if (input.GetDataAt(bytes, input.GetNumExtracted(), 1) == HES_OK && bytes[0] == 'z') {
      input.Extract(bytes, 1);
      return visitor.OnMessageEnd();
    }
    if ((rc = VisitAny(parse, visitor, 0)) != HES_OK) return rc;
  }
}

int MsgCodecVisitResponse(CZavoInputParse& parse, CZavoHesValueVisitor& visitor) {
  CZavoInput& input = parse.Input();
  const char* head;
  if (input.GetDataAt(head, input.GetNumExtracted(), 3) == HES_OK && head[0] == 'r') {
    const int rc = visitor.OnReply(static_cast<uint8_t>(head[1]), static_cast<uint8_t>(head[2]));
    if (rc != HES_OK) return rc;
  }
  VisitedObject result(visitor, 1);
  const int rc = MsgCodecReadResponse(result, parse);
  return rc != HES_OK ? rc : visitor.OnMessageEnd();
}

int MsgCodecVisitMessage(CZavoInputParse& parse, CZavoHesValueVisitor& visitor) {
  CZavoInput& input = parse.Input();
  const char* first;
  if (input.GetDataAt(first, input.GetNumExtracted(), 1) != HES_OK) {
    parse.AddToError("Could not find data, while looking for the opening 'c' or 'r'",
                     ZAVO_NO_LAST_CHARS);
    return HES_E_NO_DATA;
  }
  if (first[0] == 'c') return MsgCodecVisitRequest(parse, visitor);
  if (first[0] == 'r') return MsgCodecVisitResponse(parse, visitor);
  input.Extract(first, 1);
  parse.AddToError("Expected the opening 'c' or 'r', but got something else", ZAVO_ADD_LAST_CHARS);
  return HES_E_FORMAT;
}
