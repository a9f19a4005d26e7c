// The behaviour report: one record per Wi-Fi connection (MeasureReq) and per event (EventReq),
// and the service's acknowledgement.
#pragma once

#include <msgcodec/hes_array.h>
#include <msgcodec/hes_message.h>
#include <msgcodec/hes_scalar.h>
#include <msgcodec/hes_string.h>
#include <msgcodec/msgcodec_export.h>
#include <msgcodec/zavo/cl/envelope.h>

namespace zavo::cl {

// Declarations read as tables: keep their layout.
// clang-format off
class MSGCODEC_EXPORT MeasureReq : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "zavo.cl", "MeasureReq",
                 (CZavoHesInt32, recType),
                 (CZavoHesInt64, cnu),
                 (CZavoHesInt64, cnr),
                 (CZavoHesBinary, bssid),
                 (CZavoHesInt64, crTmSrvr),
                 (CZavoHesInt64, crTmLcl),
                 (CZavoHesInt64, duration),
                 (CZavoHesInt32, sessType),
                 (CZavoHesInt64, wifiRx),
                 (CZavoHesInt64, wifiTx),
                 (CZavoHesInt64, cellRx),
                 (CZavoHesInt64, cellTx),
                 (CZavoHesInt64, totalConnTm),
                 (CZavoHesInt64, apConnTm),
                 (CZavoHesInt32, bw),
                 (CZavoHesInt32, connDev),
                 (CZavoHesInt64, connDevBitmask))
 public:
  // Fills "bssid" with a copy of the 6 bytes of an access point's address.
  // Throws zvlang::IllegalArgumentException when address is null or length is not 6 ("bssid"
  // stays as it was), zvlang::OutOfMemoryError when the copy cannot be allocated, and
  // zvlang::Exception for any other failure of the copy.
  void setBssid(const char* address, int length);
};

class MSGCODEC_EXPORT EventReq : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "zavo.cl", "EventReq",
                 (CZavoHesInt32, recType),
                 (CZavoHesInt64, cnu),
                 (CZavoHesInt64, evTmSrvr),
                 (CZavoHesInt64, evTmLcl),
                 (CZavoHesInt64, duration),
                 (CZavoHesInt64, clVer),
                 (CZavoHesInt64, cnr),
                 (CZavoHesString, ssid),
                 (CZavoHesInt32, failReason))
};

class MSGCODEC_EXPORT ReqBehavior : public Request {
  ZAVO_HES_CLASS(Request, "zavo.cl", "ReqBehavior",
                 (CZavoHesArray<MeasureReq>, measureList),
                 (CZavoHesArray<EventReq>, eventList))
};

class MSGCODEC_EXPORT ResBehavior : public Response {
  ZAVO_HES_CLASS(Response, "zavo.cl", "ResBehavior",
                 (CZavoHesUInt8, status),
                 (CZavoHesString, desc))
};

// clang-format on
}  // namespace zavo::cl
