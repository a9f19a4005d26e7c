// Information elements of the connection report and of the topology exchange.
#pragma once

#include <msgcodec/VantorTypes/types.h>
#include <msgcodec/hes_message.h>
#include <msgcodec/hes_scalar.h>
#include <msgcodec/msgcodec_export.h>

namespace CommEngine {

// Declarations read as tables: keep their layout.
// clang-format off
class MSGCODEC_EXPORT CCMP_IE_ConnectionReport : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "CommEngine", "CCMP_IE_ConnectionReport",
                 (CZavoHesInt32, m_ieId),
                 (CZavoHesInt32, m_msgLength),
                 (VantorTypes::CT_CnrID, m_cnr),
                 (VantorTypes::CT_MacAddr, m_macAddr),
                 (VantorTypes::CT_ConntectionQuality, m_connQ),
                 (CZavoHesInt8, m_roamingReson),
                 (VantorTypes::CT_IPAddr, m_ipAddr),
                 (VantorTypes::CT_IPAddr, m_subnet))
};

class MSGCODEC_EXPORT CCMP_IE_TopologyReqV3 : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "CommEngine", "CCMP_IE_TopologyReqV3",
                 (CZavoHesInt32, m_ieId),
                 (CZavoHesInt32, m_msgLength),
                 (VantorTypes::CT_CnrID, m_cnrId),
                 (VantorTypes::CT_SSID, m_ssId),
                 (VantorTypes::CT_MacAddr, m_macAddr),
                 (VantorTypes::CT_MeasurementType, m_measurmentMask),
                 (VantorTypes::CT_NetworkType, m_apBand),
                 (VantorTypes::CT_Cipher, m_encType),
                 (CZavoHesInt8, m_keyEncIdx),
                 (VantorTypes::CT_Accessibility, m_accessability),
                 (VantorTypes::CT_IPAddr, m_defaultGw),
                 (VantorTypes::CT_IPAddr, m_dns),
                 (VantorTypes::CT_IPAddr, m_subnetMask),
                 (VantorTypes::CT_MacAddr, m_routerMacAddr),
                 (VantorTypes::CT_ApServiceType, m_apServiceType),
                 (VantorTypes::CT_Uint32, m_topologyBasicVer),
                 (VantorTypes::CT_Uint32, m_reserved2),
                 (VantorTypes::CT_Uint32, m_reserved3),
                 (VantorTypes::CT_Uint32, m_reserved4),
                 (VantorTypes::CT_Uint32, m_avgRssi),
                 (VantorTypes::CT_Uint32, m_rssiVariance),
                 (VantorTypes::CT_Uint16, m_avgModulation),
                 (VantorTypes::CT_Uint16, m_avgRetrans),
                 (VantorTypes::CT_Uint16, m_pingAvgDelay),
                 (VantorTypes::CT_Uint16, m_pingVariance),
                 (CZavoHesInt32, SIZE))
};

class MSGCODEC_EXPORT CCMP_IE_TopologyRspV3 : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "CommEngine", "CCMP_IE_TopologyRspV3",
                 (CZavoHesInt32, m_ieId),
                 (CZavoHesInt32, m_msgLength),
                 (VantorTypes::CT_CnrID, m_cnrId),
                 (VantorTypes::CT_SSID, m_ssId),
                 (VantorTypes::CT_MacAddr, m_macAddr),
                 (VantorTypes::CT_MeasurementType, m_measurmentMask),
                 (VantorTypes::CT_NetworkType, m_networkType),
                 (VantorTypes::CT_Cipher, m_encType),
                 (CZavoHesInt8, m_keyEncIdx),
                 (VantorTypes::CT_Uint16, m_accessability),
                 (VantorTypes::CT_IPAddr, m_defaultGw),
                 (VantorTypes::CT_IPAddr, m_dns),
                 (VantorTypes::CT_IPAddr, m_subnetMask),
                 (VantorTypes::CT_MacAddr, m_routerMacAddr),
                 (VantorTypes::CT_ApServiceType, m_apServiceType),
                 (VantorTypes::CT_Uint32, m_topologyBasicVer),
                 (VantorTypes::CT_Uint32, m_reserved2),
                 (VantorTypes::CT_Uint32, m_reserved3),
                 (VantorTypes::CT_Uint32, m_reserved4),
                 (VantorTypes::CT_Uint16, m_tcpPort),
                 (VantorTypes::CT_IPAddr, m_clientIPAddr),
                 (VantorTypes::CT_Uint32, m_TxBw),
                 (VantorTypes::CT_Uint32, m_RxBw),
                 (CZavoHesInt8, m_firewallCfg),
                 (VantorTypes::CT_Uint16, m_systemQuality),
                 (VantorTypes::CT_Uint16, m_connectedUsers),
                 (VantorTypes::CT_Uint16, m_stability),
                 (VantorTypes::CT_IPAddr, m_externalIP),
                 (CZavoHesInt32, SIZE))
};

// clang-format on
}  // namespace CommEngine
