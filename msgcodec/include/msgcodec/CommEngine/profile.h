// Information elements that carry the service's settings for the engine: network, measurement,
// logger, connection-timing and statistics profiles.
#pragma once

#include <msgcodec/VantorTypes/types.h>
#include <msgcodec/hes_message.h>
#include <msgcodec/hes_scalar.h>
#include <msgcodec/msgcodec_export.h>

namespace CommEngine {

// Declarations read as tables: keep their layout.
// clang-format off
class MSGCODEC_EXPORT CCMP_IE_NetworkProfile : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "CommEngine", "CCMP_IE_NetworkProfile",
                 (CZavoHesInt16, m_ieId),
                 (CZavoHesInt16, m_msgLength),
                 (VantorTypes::CT_Uint16, m_transactionRetries),
                 (VantorTypes::CT_Uint16, m_transactionsTimeout),
                 (VantorTypes::CT_Uint16, m_topologyThreshold),
                 (VantorTypes::CT_Uint32, m_topologyFreq),
                 (VantorTypes::CT_Uint32, m_scanFreq),
                 (VantorTypes::CT_Uint32, m_tripFreq),
                 (VantorTypes::CT_Uint16, m_maxTopologyRes),
                 (CZavoHesInt8, m_keyEncryptionSchemeIdx),
                 (CZavoHesInt32, SIZE))
};

class MSGCODEC_EXPORT CCMP_IE_MeasurmentParamV3 : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "CommEngine", "CCMP_IE_MeasurmentParamV3",
                 (CZavoHesInt16, m_ieId),
                 (CZavoHesInt16, m_msgLength),
                 (VantorTypes::CT_Uint16, m_alphaRssi),
                 (VantorTypes::CT_Uint16, m_alphaPing),
                 (VantorTypes::CT_Uint16, m_pingTTL),
                 (VantorTypes::CT_Uint16, m_sysqSelect),
                 (VantorTypes::CT_Uint16, m_sysqRoam),
                 (VantorTypes::CT_Uint16, m_accessibilityInternet),
                 (VantorTypes::CT_Uint16, m_accessibilitySignaling),
                 (VantorTypes::CT_Uint16, m_silenceInterval),
                 (VantorTypes::CT_Uint16, m_pingInterval),
                 (VantorTypes::CT_Uint16, m_silence),
                 (VantorTypes::CT_Uint16, m_maxSelected),
                 (VantorTypes::CT_Uint16, m_maxAging),
                 (VantorTypes::CT_Uint16, m_constRssi),
                 (VantorTypes::CT_Uint16, m_favBonus),
                 (VantorTypes::CT_IPAddr, m_inetCheckAddr),
                 (VantorTypes::CT_IPAddr, m_inetF45ServerAddr),
                 (VantorTypes::CT_Uint16, m_inetF45Port),
                 (VantorTypes::CT_Uint16, m_longShortThreshold),
                 (VantorTypes::CT_Uint32, m_shortTripFreq),
                 (VantorTypes::CT_Uint32, m_longTripFreq),
                 (VantorTypes::CT_Uint16, m_localApCacheSize),
                 (VantorTypes::CT_IPAddr, m_cacheServerAddr),
                 (VantorTypes::CT_Uint16, m_NCache),
                 (CZavoHesInt32, SIZE))
};

class MSGCODEC_EXPORT CCMP_IE_LoggerProfileRspV3 : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "CommEngine", "CCMP_IE_LoggerProfileRspV3",
                 (CZavoHesInt16, m_ieId),
                 (CZavoHesInt16, m_msgLength),
                 (CZavoHesInt32, m_logFileSize),
                 (CZavoHesInt64, m_TOD),
                 (CZavoHesInt32, SIZE))
};

class MSGCODEC_EXPORT CCMP_IE_GorvelParameters : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "CommEngine", "CCMP_IE_GorvelParameters",
                 (CZavoHesInt16, m_ieId),
                 (CZavoHesInt16, m_msgLength),
                 (VantorTypes::CT_Uint32, m_f1AssociationTime),
                 (VantorTypes::CT_Uint32, m_f2FourWayHandshakeTimeMsg1),
                 (VantorTypes::CT_Uint32, m_f2FourWayHandshakeTimeMsg3),
                 (VantorTypes::CT_Uint32, m_f2GroupWayHandshakeTime),
                 (VantorTypes::CT_Uint32, m_f3VantorDhcpTimeout),
                 (VantorTypes::CT_Uint32, m_f4IpCollisionArpsTimeout),
                 (VantorTypes::CT_Uint32, m_f4RefreshArpTableTimeout),
                 (VantorTypes::CT_Uint32, m_shortSilenceMeasureCycle),
                 (VantorTypes::CT_Uint32, m_shortSilencePeriod),
                 (VantorTypes::CT_Uint32, m_shortSilencePacketThreshold),
                 (VantorTypes::CT_Uint32, m_f1LongAssociationTime),
                 (VantorTypes::CT_Uint32, m_f2LongFourWayHandshakeTimeMsg1),
                 (VantorTypes::CT_Uint32, m_f2LongFourWayHandshakeTimeMsg3),
                 (VantorTypes::CT_Uint32, m_f2LongGroupWayHandshake),
                 (VantorTypes::CT_Uint32, m_f3LongVantorDhcpTimeout),
                 (VantorTypes::CT_Uint32, m_f4LongIpCollisionArpsTimeout),
                 (VantorTypes::CT_Uint32, m_f4LongRefreshArpsTableTimeout),
                 (VantorTypes::CT_Uint32, m_longSilenceMeasureCycle),
                 (VantorTypes::CT_Uint32, m_longSilencePeriod),
                 (VantorTypes::CT_Uint32, m_longSilencePacketThreshold),
                 (CZavoHesInt8, m_syslogEnable),
                 (VantorTypes::CT_Uint32, m_staticIpAllocationTrailsNo),
                 (VantorTypes::CT_Uint32, m_timeBetweenDriverMonitoring),
                 (VantorTypes::CT_Uint32, m_driverDebugLevel),
                 (CZavoHesInt32, SIZE))
};

class MSGCODEC_EXPORT CCMP_IE_StatisticFiles : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "CommEngine", "CCMP_IE_StatisticFiles",
                 (CZavoHesInt16, m_ieId),
                 (CZavoHesInt16, m_msgLength),
                 (VantorTypes::CT_Uint32, m_statisticsFileType),
                 (VantorTypes::CT_Uint32, m_statisticsFileSize),
                 (VantorTypes::CT_Uint32, m_statisticsFileUpdateFrequency),
                 (CZavoHesInt32, SIZE))
};

class MSGCODEC_EXPORT CCMP_IE_StatisticInfo : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "CommEngine", "CCMP_IE_StatisticInfo",
                 (CZavoHesInt16, m_ieId),
                 (CZavoHesInt16, m_msgLength),
                 (VantorTypes::CT_Uint16, m_periodicStatisticsFreqTime),
                 (VantorTypes::CT_Uint16, m_consecutiveTransactionFailureCounter),
                 (VantorTypes::CT_Uint16, m_alphaRssi),
                 (VantorTypes::CT_Uint16, m_alphaF1),
                 (VantorTypes::CT_Uint16, m_alphaF2),
                 (VantorTypes::CT_Uint16, m_alphaF3),
                 (VantorTypes::CT_Uint16, m_alphaF45),
                 (VantorTypes::CT_Uint16, m_alphahttp),
                 (VantorTypes::CT_Uint16, m_f1ConsecutiveFailures),
                 (VantorTypes::CT_Uint16, m_f2ConsecutiveFailures),
                 (VantorTypes::CT_Uint16, m_f3ConsecutiveFailures),
                 (VantorTypes::CT_Uint16, m_f45ConsecutiveFailures),
                 (VantorTypes::CT_Uint16, m_f45HttpConsecutiveFailures),
                 (VantorTypes::CT_Uint16, m_numOfErrorKB),
                 (CZavoHesInt32, SIZE))
};

// clang-format on
}  // namespace CommEngine
