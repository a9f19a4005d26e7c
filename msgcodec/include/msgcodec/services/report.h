// Connection report and topology services of the engine.
#pragma once

#include <msgcodec/CommEngine/report.h>
#include <msgcodec/hes_array.h>
#include <msgcodec/hes_message.h>
#include <msgcodec/hes_scalar.h>
#include <msgcodec/hes_string.h>
#include <msgcodec/msgcodec_export.h>
#include <msgcodec/services/envelope.h>

namespace services {

// Declarations read as tables: keep their layout.
// clang-format off
class MSGCODEC_EXPORT ReportUpdateServiceRequest : public ServiceRequest {
  ZAVO_HES_CLASS(ServiceRequest, "services", "ReportUpdateServiceRequest",
                 (CommEngine::CCMP_IE_ConnectionReport, ccmp_ie_connectionReport))
};

class MSGCODEC_EXPORT ReportUpdateServiceResponse : public ServiceResponse {
  ZAVO_HES_CLASS(ServiceResponse, "services", "ReportUpdateServiceResponse",
                 (CZavoHesBool, m_success))
};

class MSGCODEC_EXPORT TopologyServiceRequest : public ServiceRequest {
  ZAVO_HES_CLASS(ServiceRequest, "services", "TopologyServiceRequest",
                 (CZavoHesArray<CommEngine::CCMP_IE_TopologyReqV3>, req),
                 (CZavoHesString, clientIP))
};

class MSGCODEC_EXPORT TopologyServiceResponse : public ServiceResponse {
  ZAVO_HES_CLASS(ServiceResponse, "services", "TopologyServiceResponse",
                 (CZavoHesArray<CommEngine::CCMP_IE_TopologyRspV3>, rsp))
};

// clang-format on
}  // namespace services
