// The connect exchange: the client's description in, the service's configuration out.
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
class MSGCODEC_EXPORT OneTouchBtnData : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "zavo.cl", "OneTouchBtnData",
                 (CZavoHesInt32, index),
                 (CZavoHesString, linkName),
                 (CZavoHesString, linkData),
                 (CZavoHesString, prmFileName),
                 (CZavoHesString, imageFileName))
};

class MSGCODEC_EXPORT OsInfo : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "zavo.cl", "OsInfo",
                 (CZavoHesInt32, osMaj),
                 (CZavoHesInt32, osMin),
                 (CZavoHesInt32, osSp),
                 (CZavoHesInt32, osBuild),
                 (CZavoHesInt32, osRev),
                 (CZavoHesString, osEdit),
                 (CZavoHesInt32, language))
};

class MSGCODEC_EXPORT ReqConnect : public Request {
  ZAVO_HES_CLASS(Request, "zavo.cl", "ReqConnect",
                 (CZavoHesBinary, bssid),
                 (CZavoHesBinary, ssid),
                 (CZavoHesInt64, zavoVer),
                 (CZavoHesString, cellOperator),
                 (CZavoHesInt32, dataChannelMask),
                 (CZavoHesInt64, flags),
                 (CZavoHesArray<OneTouchBtnData>, oneTouch),
                 (OsInfo, osInfo))
};

class MSGCODEC_EXPORT PcNetwork : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "zavo.cl", "PcNetwork",
                 (CZavoHesUInt16, pktRetry),
                 (CZavoHesUInt16, pktTimeout),
                 (CZavoHesUInt32, tplgyInterval),
                 (CZavoHesUInt32, scanInterval),
                 (CZavoHesUInt16, maxTplgySpots))
};

class MSGCODEC_EXPORT MobileNetwork : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "zavo.cl", "MobileNetwork",
                 (CZavoHesUInt16, pktRetry),
                 (CZavoHesUInt16, pktTimeout),
                 (CZavoHesUInt16, transTimeout),
                 (CZavoHesUInt32, bgScan),
                 (CZavoHesUInt16, maxTplgySpots))
};

class MSGCODEC_EXPORT VerSite : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "zavo.cl", "VerSite",
                 (CZavoHesString, name),
                 (CZavoHesString, url),
                 (CZavoHesString, path),
                 (CZavoHesString, hdrName),
                 (CZavoHesString, hdrValue),
                 (CZavoHesBinary, body))
};

class MSGCODEC_EXPORT Log : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "zavo.cl", "Log",
                 (CZavoHesUInt32, fileSize),
                 (CZavoHesUInt64, serverTime))
};

class MSGCODEC_EXPORT Update : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "zavo.cl", "Update",
                 (CZavoHesUInt8, flags),
                 (CZavoHesUInt64, zavoVer),
                 (CZavoHesString, title),
                 (CZavoHesString, descr),
                 (CZavoHesString, host),
                 (CZavoHesString, path),
                 (CZavoHesUInt16, port),
                 (CZavoHesUInt32, kbytes))
};

class MSGCODEC_EXPORT ResConnectV2 : public Response {
  ZAVO_HES_CLASS(Response, "zavo.cl", "ResConnectV2",
                 (CZavoHesUInt8, status),
                 (CZavoHesInt32, maxPartSize),
                 (CZavoHesString, description),
                 (PcNetwork, pcNetwork),
                 (MobileNetwork, mobileNetwork),
                 (CZavoHesArray<VerSite>, verSite),
                 (Log, log),
                 (Update, update),
                 (CZavoHesString, apUrl),
                 (CZavoHesUInt8, forceOpenUrl))
};

// clang-format on
}  // namespace zavo::cl
