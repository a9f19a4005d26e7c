#include <corekit/sptr.h>

#include <corekit/unknown.h>

// SPtr is one pointer wide wherever it is instantiated: its layout is part of the ABI.
static_assert(sizeof(SPtr<zvlang::ZvUnknownItf>) == sizeof(void*));
