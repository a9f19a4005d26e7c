// Registration, login and connect services of the engine.
#pragma once

#include <msgcodec/CommEngine/profile.h>
#include <msgcodec/CommEngine/session.h>
#include <msgcodec/hes_message.h>
#include <msgcodec/msgcodec_export.h>
#include <msgcodec/services/envelope.h>

namespace services {

// Declarations read as tables: keep their layout.
// clang-format off
class MSGCODEC_EXPORT RegistrationServiceRequest : public ServiceRequest {
  ZAVO_HES_CLASS(ServiceRequest, "services", "RegistrationServiceRequest",
                 (CommEngine::CCMP_IE_ClientRegistrationReq, req))
};

class MSGCODEC_EXPORT RegistrationServiceResponse : public ServiceResponse {
  ZAVO_HES_CLASS(ServiceResponse, "services", "RegistrationServiceResponse",
                 (CommEngine::CCMP_IE_ClientRegistrationRsp, rsp))
};

class MSGCODEC_EXPORT LoginServiceRequest : public ServiceRequest {
  ZAVO_HES_CLASS(ServiceRequest, "services", "LoginServiceRequest",
                 (CommEngine::CCMP_IE_LoginReq, req))
};

class MSGCODEC_EXPORT LoginServiceResponse : public ServiceResponse {
  ZAVO_HES_CLASS(ServiceResponse, "services", "LoginServiceResponse",
                 (CommEngine::CCMP_IE_LoginRsp, m_response))
};

class MSGCODEC_EXPORT ConnectServiceRequest : public ServiceRequest {
  ZAVO_HES_CLASS(ServiceRequest, "services", "ConnectServiceRequest",
                 (CommEngine::CCMP_IE_ConnectReqV3, req))
};

class MSGCODEC_EXPORT ConnectServiceResponse : public ServiceResponse {
  ZAVO_HES_CLASS(ServiceResponse, "services", "ConnectServiceResponse",
                 (CommEngine::CCMP_IE_ConnectRsp, m_connectRsp),
                 (CommEngine::CCMP_IE_NetworkProfile, m_networkProfile),
                 (CommEngine::CCMP_IE_MeasurmentParamV3, m_measurement),
                 (CommEngine::CCMP_IE_LoggerProfileRspV3, m_loggerProfile),
                 (CommEngine::CCMP_IE_GorvelParameters, m_gorvelParameters),
                 (CommEngine::CCMP_IE_StatisticFiles, m_StatisticsFiles),
                 (CommEngine::CCMP_IE_StatisticInfo, m_StatisticsInfo),
                 (CommEngine::CCMP_IE_VersionUpdate, m_versionUpdate),
                 (CommEngine::CCMP_IE_ServerInfo, m_serverInfo))
};

// clang-format on
}  // namespace services
