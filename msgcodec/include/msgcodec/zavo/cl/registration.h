// Registration of a client installation.
#pragma once

#include <msgcodec/hes_message.h>
#include <msgcodec/hes_scalar.h>
#include <msgcodec/hes_string.h>
#include <msgcodec/msgcodec_export.h>
#include <msgcodec/zavo/cl/connect.h>
#include <msgcodec/zavo/cl/envelope.h>

namespace zavo::cl {

// Declarations read as tables: keep their layout.
// clang-format off
class MSGCODEC_EXPORT Cmpgn : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "zavo.cl", "Cmpgn",
                 (CZavoHesInt32, channel),
                 (CZavoHesInt32, id),
                 (CZavoHesInt32, keyword),
                 (CZavoHesInt32, creative),
                 (CZavoHesString, referringUrl),
                 (CZavoHesInt32, landPage),
                 (CZavoHesInt64, downloadDate),
                 (CZavoHesString, cookie))
};

class MSGCODEC_EXPORT ReqRegister : public Request {
  ZAVO_HES_CLASS(Request, "zavo.cl", "ReqRegister",
                 (CZavoHesInt64, zavoVer),
                 (CZavoHesBinary, mac),
                 (CZavoHesBinary, uniqId),
                 (CZavoHesString, manuf),
                 (CZavoHesString, model),
                 (CZavoHesInt32, secSinceInst),
                 (CZavoHesInt32, resX),
                 (CZavoHesInt32, resY),
                 (CZavoHesInt64, flags),
                 (OsInfo, osInfo),
                 (Cmpgn, campaign))
};

class MSGCODEC_EXPORT ResRegister : public Response {
  ZAVO_HES_CLASS(Response, "zavo.cl", "ResRegister",
                 (CZavoHesUInt8, status),
                 (CZavoHesString, description))
};

// clang-format on
}  // namespace zavo::cl
