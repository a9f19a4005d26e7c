// The topology exchange: what the client knows of nearby access points, and what the service
// tells it about them.
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
class MSGCODEC_EXPORT GeneralReq : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "zavo.cl", "GeneralReq",
                 (CZavoHesInt8, isLan))
};

class MSGCODEC_EXPORT ReqPartition : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "zavo.cl", "ReqPartition",
                 (CZavoHesString, pidName),
                 (CZavoHesInt64, timeStamp),
                 (CZavoHesUInt32, errIndication))
};

class MSGCODEC_EXPORT CommCacheReq : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "zavo.cl", "CommCacheReq",
                 (CZavoHesString, error),
                 (CZavoHesArray<ReqPartition>, partitionElemReq))
};

class MSGCODEC_EXPORT ScanReqInfo : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "zavo.cl", "ScanReqInfo",
                 (CZavoHesInt64, cnrId),
                 (CZavoHesBinary, bssid),
                 (CZavoHesBinary, ssid),
                 (CZavoHesInt8, apType),
                 (CZavoHesInt8, encType),
                 (CZavoHesInt16, rssi))
};

class MSGCODEC_EXPORT ConnectivityReq : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "zavo.cl", "ConnectivityReq",
                 (CZavoHesInt8, isConnected),
                 (CZavoHesInt16, accessibility),
                 (CZavoHesString, dns),
                 (CZavoHesString, clientIpAddr))
};

class MSGCODEC_EXPORT CaptiveReq : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "zavo.cl", "CaptiveReq",
                 (CZavoHesInt8, serviceType),
                 (CZavoHesInt32, loginType),
                 (CZavoHesInt32, payType),
                 (CZavoHesInt32, protocolType),
                 (CZavoHesString, redirectlinkDomain),
                 (CZavoHesString, redirectlinkParam))
};

class MSGCODEC_EXPORT WispInfoReq : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "zavo.cl", "WispInfoReq",
                 (CZavoHesString, networkId),
                 (CZavoHesString, locName),
                 (CZavoHesString, loginUrl),
                 (CZavoHesString, abortLoginUrl),
                 (CZavoHesInt32, proxy),
                 (CZavoHesString, logOffUrl))
};

class MSGCODEC_EXPORT LocationReq : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "zavo.cl", "LocationReq",
                 (CZavoHesInt32, mapErrorFlag),
                 (CZavoHesInt32, mapType),
                 (CZavoHesDouble, lat),
                 (CZavoHesDouble, longt))
};

class MSGCODEC_EXPORT PublicInfoReq : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "zavo.cl", "PublicInfoReq",
                 (CZavoHesInt32, infoType),
                 (CZavoHesString, title),
                 (CZavoHesString, category),
                 (CZavoHesString, description))
};

class MSGCODEC_EXPORT AddressReq : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "zavo.cl", "AddressReq",
                 (CZavoHesString, country),
                 (CZavoHesString, state),
                 (CZavoHesString, city),
                 (CZavoHesString, address))
};

class MSGCODEC_EXPORT GeneralInfoReq : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "zavo.cl", "GeneralInfoReq",
                 (CZavoHesString, organization))
};

class MSGCODEC_EXPORT ApReq : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "zavo.cl", "ApReq",
                 (ScanReqInfo, scanReq),
                 (ConnectivityReq, connectivityReq),
                 (CaptiveReq, captiveReq),
                 (WispInfoReq, wispInfoReq),
                 (LocationReq, locationReq),
                 (PublicInfoReq, publicInfoReq),
                 (AddressReq, addressReq),
                 (GeneralInfoReq, generalInfoReq))
};

class MSGCODEC_EXPORT ReqTopology : public Request {
  ZAVO_HES_CLASS(Request, "zavo.cl", "ReqTopology",
                 (GeneralReq, generalReq),
                 (CommCacheReq, commCacheReq),
                 (CZavoHesArray<ApReq>, apList))
};

class MSGCODEC_EXPORT ConnDetailsReq : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "zavo.cl", "ConnDetailsReq",
                 (CZavoHesInt32, purpose),
                 (CZavoHesInt32, initiatorUid),
                 (CZavoHesString, initiatorName))
};

class MSGCODEC_EXPORT ResPartition : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "zavo.cl", "ResPartition",
                 (CZavoHesString, pidName),
                 (CZavoHesString, url))
};

class MSGCODEC_EXPORT CommCacheRes : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "zavo.cl", "CommCacheRes",
                 (CZavoHesInt32, maxPartitions),
                 (CZavoHesArray<ResPartition>, partitionElemRes))
};

class MSGCODEC_EXPORT ScanResInfo : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "zavo.cl", "ScanResInfo",
                 (CZavoHesInt64, cnrId),
                 (CZavoHesBinary, bssid),
                 (CZavoHesInt16, systemQuality))
};

class MSGCODEC_EXPORT ConnectivityRes : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "zavo.cl", "ConnectivityRes",
                 (CZavoHesInt16, accessibility),
                 (CZavoHesString, dns),
                 (CZavoHesString, clientIpAddr),
                 (CZavoHesInt32, wifiDevConnected),
                 (CZavoHesInt32, connectTimeIp),
                 (CZavoHesInt32, connectTimeInet),
                 (CZavoHesInt32, connectedUsers),
                 (CZavoHesInt32, bw),
                 (CZavoHesInt64, freshness))
};

class MSGCODEC_EXPORT ApCaptiveRes : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "zavo.cl", "ApCaptiveRes",
                 (CZavoHesInt8, serviceType),
                 (CZavoHesInt32, loginType),
                 (CZavoHesInt32, payType),
                 (CZavoHesInt32, protocolType))
};

class MSGCODEC_EXPORT WispInfoRes : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "zavo.cl", "WispInfoRes",
                 (CZavoHesString, networkId))
};

class MSGCODEC_EXPORT LocationRes : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "zavo.cl", "LocationRes",
                 (CZavoHesDouble, lat),
                 (CZavoHesDouble, longt),
                 (CZavoHesInt32, mapType),
                 (CZavoHesInt32, mapperCnu))
};

class MSGCODEC_EXPORT PublicInfoRes : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "zavo.cl", "PublicInfoRes",
                 (CZavoHesInt32, category),
                 (CZavoHesString, name),
                 (CZavoHesString, description))
};

class MSGCODEC_EXPORT AddressRes : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "zavo.cl", "AddressRes",
                 (CZavoHesString, country),
                 (CZavoHesString, state),
                 (CZavoHesString, city),
                 (CZavoHesString, address))
};

class MSGCODEC_EXPORT GeneralInfoRes : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "zavo.cl", "GeneralInfoRes",
                 (CZavoHesString, organization),
                 (CZavoHesString, externalIp),
                 (CZavoHesString, url))
};

class MSGCODEC_EXPORT ApRes : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "zavo.cl", "ApRes",
                 (CZavoHesInt32, checkCategory),
                 (ScanResInfo, scanRes),
                 (ConnectivityRes, connectivityRes),
                 (ApCaptiveRes, captiveRes),
                 (WispInfoRes, wispInfoRes),
                 (LocationRes, locationRes),
                 (PublicInfoRes, publicInfo),
                 (AddressRes, addressRes),
                 (GeneralInfoRes, generalInfoRes))
};

class MSGCODEC_EXPORT ResTopology : public Response {
  ZAVO_HES_CLASS(Response, "zavo.cl", "ResTopology",
                 (CommCacheRes, communityCacheRes),
                 (CZavoHesArray<ApRes>, apList))
};

// clang-format on
}  // namespace zavo::cl
