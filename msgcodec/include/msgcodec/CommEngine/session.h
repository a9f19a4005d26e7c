// Information elements of the engine's registration, login and connect exchanges. Their first
// two members are 32-bit in some elements and 16-bit in others; "SIZE" and "COOKIE_SIZE" are
// ordinary members.
#pragma once

#include <msgcodec/VantorTypes/types.h>
#include <msgcodec/hes_message.h>
#include <msgcodec/hes_scalar.h>
#include <msgcodec/hes_string.h>
#include <msgcodec/msgcodec_export.h>

namespace CommEngine {

// Declarations read as tables: keep their layout.
// clang-format off
class MSGCODEC_EXPORT CCMP_IE_ClientRegistrationReq : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "CommEngine", "CCMP_IE_ClientRegistrationReq",
                 (CZavoHesInt32, m_ieId),
                 (CZavoHesInt32, m_msgLength),
                 (VantorTypes::CT_Uint32, m_swVersion),
                 (VantorTypes::CT_Uint32, m_featurereMap),
                 (VantorTypes::CT_MacAddr, m_macAddr),
                 (VantorTypes::CT_Uint32, m_osMajor),
                 (VantorTypes::CT_Uint32, m_osMinor),
                 (VantorTypes::CT_Uint16, m_osServicePack))
};

class MSGCODEC_EXPORT CCMP_IE_ClientRegistrationRsp : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "CommEngine", "CCMP_IE_ClientRegistrationRsp",
                 (CZavoHesInt16, m_ieId),
                 (CZavoHesInt16, m_msgLength),
                 (VantorTypes::CT_RegistrationStatus, m_registrationStatus),
                 (VantorTypes::CT_CncId, m_cncId))
};

class MSGCODEC_EXPORT CCMP_IE_LoginReq : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "CommEngine", "CCMP_IE_LoginReq",
                 (CZavoHesInt32, m_ieId),
                 (CZavoHesInt32, m_msgLength),
                 (VantorTypes::CT_CncId, m_cncId),
                 (VantorTypes::CT_CnuId, m_cnuId),
                 (VantorTypes::CT_MacAddr, m_macAddr),
                 (VantorTypes::CT_SSID, m_ssId),
                 (CZavoHesBinary, m_userName),
                 (CZavoHesBinary, m_password))
};

class MSGCODEC_EXPORT CCMP_IE_LoginRsp : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "CommEngine", "CCMP_IE_LoginRsp",
                 (CZavoHesInt32, m_ieId),
                 (CZavoHesInt32, m_msgLength),
                 (CZavoHesInt8, m_connStatues),
                 (VantorTypes::CT_IPAddr, m_commServerIP),
                 (VantorTypes::CT_IPAddr, m_appServerIP),
                 (CZavoHesInt32, m_cookie),
                 (VantorTypes::CT_CnuId, m_cnuId),
                 (CZavoHesInt32, COOKIE_SIZE),
                 (CZavoHesInt32, SIZE))
};

class MSGCODEC_EXPORT CCMP_IE_ConnectReqV3 : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "CommEngine", "CCMP_IE_ConnectReqV3",
                 (CZavoHesInt16, m_ieId),
                 (CZavoHesInt16, m_msgLength),
                 (CZavoHesBinary, m_cookie),
                 (VantorTypes::CT_Uint32, m_featureBitMap),
                 (VantorTypes::CT_CnuId, m_cnuId),
                 (VantorTypes::CT_CnrID, m_cnrId),
                 (VantorTypes::CT_MacAddr, m_macAddr),
                 (VantorTypes::CT_SSID, m_ssid),
                 (VantorTypes::CT_IPAddr, m_ipAddr),
                 (VantorTypes::CT_Uint32, m_clientSwVer),
                 (VantorTypes::CT_Uint32, m_gorvelSwVer),
                 (CZavoHesInt32, SIZE))
};

class MSGCODEC_EXPORT CCMP_IE_ConnectRsp : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "CommEngine", "CCMP_IE_ConnectRsp",
                 (CZavoHesInt16, m_ieId),
                 (CZavoHesInt16, m_msgLength),
                 (CZavoHesInt8, m_connStatues),
                 (VantorTypes::CT_Uint32, m_featureBitMap),
                 (CZavoHesInt32, SIZE))
};

class MSGCODEC_EXPORT CCMP_IE_ServerInfo : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "CommEngine", "CCMP_IE_ServerInfo",
                 (CZavoHesInt16, m_ieId),
                 (CZavoHesInt16, m_msgLength),
                 (CZavoHesBinary, m_serverVersion),
                 (VantorTypes::CT_Uint32, m_networkProfileVersion),
                 (CZavoHesInt32, SIZE))
};

class MSGCODEC_EXPORT CCMP_IE_VersionUpdate : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "CommEngine", "CCMP_IE_VersionUpdate",
                 (CZavoHesInt16, m_ieId),
                 (CZavoHesInt16, m_msgLength),
                 (VantorTypes::CT_Uint32, m_criticalIndication),
                 (VantorTypes::CT_Uint32, m_clientSwVersion),
                 (VantorTypes::CT_Uint32, m_gorvelSwVersion),
                 (CZavoHesBinary, m_versionTitle),
                 (CZavoHesBinary, m_versionDescription),
                 (CZavoHesBinary, m_downloadHost),
                 (CZavoHesBinary, m_downloadPath),
                 (VantorTypes::CT_Uint16, m_downloadPort),
                 (CZavoHesInt32, SIZE))
};

// clang-format on
}  // namespace CommEngine
