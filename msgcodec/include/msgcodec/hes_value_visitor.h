// CZavoHesValueVisitor: a read-only view of any value, call or reply the codec knows, read by the
// codec's own readers without a message class.
//
//   class Printer : public CZavoHesValueVisitor {
//     int OnInt(int32_t value) override { std::printf("%d\n", value); return HES_OK; }
//   };
//   CZavoInput input(bytes, size);
//   CZavoInputParse parse(input);
//   Printer printer;
//   if (MsgCodecVisitMessage(parse, printer) != HES_OK) Log(parse.GetError());
//
// The values arrive in wire order, one callback each; nothing is kept. Failures are those of the
// codec's readers, with their result codes and error texts (a value the codec does not know fails
// as it does when skipped: "Cannot skip: Unknown type marker: 'R'"). Objects and lists nest at
// most CZavoInputParse::kMaxSkipDepth levels. Memory never follows a count from the wire: only
// one string or binary at a time is held, and no more of it than the input carries.
#pragma once

#include <msgcodec/hes_object.h>
#include <msgcodec/msgcodec_export.h>
#include <msgcodec/zavo_input.h>

#include <cstdint>

// Every callback returns HES_OK to go on; any other result stops the read and is returned by it.
// Names and bytes point into the input or into a temporary: copy what must outlive the call.
// The defaults accept everything.
class MSGCODEC_EXPORT CZavoHesValueVisitor {
 public:
  virtual ~CZavoHesValueVisitor();

  // "c" major minor "m" method: the arguments follow as values, then OnMessageEnd.
  virtual int OnCall(uint8_t major, uint8_t minor, const CZavoHesName& method);
  // "r" major minor: the result follows as a value, then OnMessageEnd.
  virtual int OnReply(uint8_t major, uint8_t minor);
  virtual int OnMessageEnd();

  virtual int OnNull();
  virtual int OnBool(bool value);
  virtual int OnInt(int32_t value);
  virtual int OnLong(int64_t value);
  virtual int OnDouble(double value);
  // Milliseconds since 1970-01-01 UTC, taken as signed (earlier dates are negative).
  virtual int OnDate(int64_t milliseconds);
  // UTF-16 units as the string reader decodes them (a peer's surrogate pairs arrive as pairs).
  virtual int OnString(const char16_t* units, uint32_t length);
  virtual int OnBinary(const char* bytes, uint32_t length);

  // The received type name; OnMember and its value follow for each member, then OnObjectEnd.
  virtual int OnObjectStart(const CZavoHesName& type);
  virtual int OnMember(const CZavoHesName& name);
  virtual int OnObjectEnd();
  // The item type (without the "[") and the count; count values follow, then OnListEnd.
  virtual int OnListStart(const CZavoHesName& itemType, int32_t count);
  virtual int OnListEnd();
};

// One value of any kind. A null object or list arrives as OnNull.
MSGCODEC_EXPORT int MsgCodecVisitValue(CZavoInputParse& parse, CZavoHesValueVisitor& visitor);

// One call: "c" with the version 0x00 0x01 (ours) or 0x01 0x00 (Hessian's own), no headers,
// "m" method, any number of argument values, "z".
MSGCODEC_EXPORT int MsgCodecVisitRequest(CZavoInputParse& parse, CZavoHesValueVisitor& visitor);

// One reply, read by MsgCodecReadResponse itself: "r" major minor, an object or null, "z". A fault
// reply fails as it does there.
MSGCODEC_EXPORT int MsgCodecVisitResponse(CZavoInputParse& parse, CZavoHesValueVisitor& visitor);

// A call or a reply, by its first byte.
MSGCODEC_EXPORT int MsgCodecVisitMessage(CZavoInputParse& parse, CZavoHesValueVisitor& visitor);
