// The engine's service envelopes: the header and the request and response bases.
#pragma once

#include <msgcodec/hes_message.h>
#include <msgcodec/hes_scalar.h>
#include <msgcodec/msgcodec_export.h>

namespace services {

// Declarations read as tables: keep their layout.
// clang-format off
class MSGCODEC_EXPORT ServiceHeader : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "services", "ServiceHeader",
                 (CZavoHesInt32, m_CNCID),
                 (CZavoHesInt32, m_CNUID),
                 (CZavoHesInt32, m_CNR),
                 (CZavoHesInt32, m_SessionID))
};

class MSGCODEC_EXPORT ServiceRequest : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "services", "ServiceRequest",
                 (ServiceHeader, serviceHeader),
                 (CZavoHesInt32, reqID))
};

class MSGCODEC_EXPORT ServiceResponse : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "services", "ServiceResponse",
                 (ServiceHeader, serviceHeader),
                 (CZavoHesInt32, rspID))
};

// clang-format on
}  // namespace services
