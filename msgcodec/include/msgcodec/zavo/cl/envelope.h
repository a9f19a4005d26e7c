// The client protocol's envelope: the header every request and response carries, and the
// request and response bases.
#pragma once

#include <msgcodec/hes_message.h>
#include <msgcodec/hes_scalar.h>
#include <msgcodec/msgcodec_export.h>

namespace zavo::cl {

// Declarations read as tables: keep their layout.
// clang-format off
class MSGCODEC_EXPORT Header : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "zavo.cl", "Header",
                 (CZavoHesInt32, cnc),
                 (CZavoHesInt32, cnu),
                 (CZavoHesInt64, cnr),
                 (CZavoHesInt32, session),
                 (CZavoHesInt32, os))
};

class MSGCODEC_EXPORT Request : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "zavo.cl", "Request",
                 (CZavoHesInt32, reqID),
                 (Header, header))
};

class MSGCODEC_EXPORT Response : public CZavoHesClass {
  ZAVO_HES_CLASS(CZavoHesClass, "zavo.cl", "Response",
                 (CZavoHesInt32, resID),
                 (Header, header))
};

// clang-format on
}  // namespace zavo::cl
