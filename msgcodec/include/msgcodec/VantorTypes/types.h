// The fifteen named types of the engine's protocol (wire namespace "VantorTypes"). The class
// names are the wire's own, spelling included ("CT_CnrID", "CT_ConntectionQuality").
#pragma once

#include <msgcodec/VantorTypes/value_class.h>

namespace VantorTypes {

using CT_CncId = CZavoNamedNumber<CZavoInt32ValueClass, "CT_CncId">;
using CT_CnuId = CZavoNamedNumber<CZavoInt32ValueClass, "CT_CnuId">;
using CT_CnrID = CZavoNamedNumber<CZavoInt64ValueClass, "CT_CnrID">;
using CT_Uint16 = CZavoNamedNumber<CZavoUInt16ValueClass, "CT_Uint16">;
using CT_Uint32 = CZavoNamedNumber<CZavoUInt32ValueClass, "CT_Uint32">;
using CT_RegistrationStatus = CZavoNamedNumber<CZavoInt8ValueClass, "CT_RegistrationStatus">;
using CT_NetworkType = CZavoNamedNumber<CZavoInt8ValueClass, "CT_NetworkType">;
using CT_Cipher = CZavoNamedNumber<CZavoInt8ValueClass, "CT_Cipher">;
using CT_ApServiceType = CZavoNamedNumber<CZavoInt8ValueClass, "CT_ApServiceType">;
using CT_ConntectionQuality = CZavoNamedNumber<CZavoInt8ValueClass, "CT_ConntectionQuality">;
using CT_Accessibility = CZavoNamedNumber<CZavoInt16ValueClass, "CT_Accessibility">;
using CT_MacAddr = CZavoNamedValue<CZavoBinaryValueClass, "CT_MacAddr">;
using CT_SSID = CZavoNamedValue<CZavoBinaryValueClass, "CT_SSID">;

// An IPv4 address as its 4 bytes in network order.
class MSGCODEC_EXPORT CT_IPAddr : public CZavoNamedValue<CZavoBinaryValueClass, "CT_IPAddr"> {
 public:
  // The first 4 bytes, byte 0 least significant: the address bytes keep their network order
  // in memory. 0 when fewer than 4 bytes are held.
  int GetInNetworkOrder() const;
  // The first 4 bytes, byte 0 most significant (10.0.0.1 is 167772161). 0 when fewer than 4.
  int GetInHostOrder() const;
};

// A 32-bit mask of measurements held as 4 bytes, least significant first (empty is 0).
class MSGCODEC_EXPORT CT_MeasurementType
    : public CZavoNamedValue<CZavoBinaryValueClass, "CT_MeasurementType"> {
 public:
  // mask |= bits, stored in a new owned 4-byte buffer; the value becomes not null.
  // HES_E_NOT_SUPPORTED when the value has a length other than 0 or 4.
  int TurnBitsOn(unsigned int bits);
};

}  // namespace VantorTypes
