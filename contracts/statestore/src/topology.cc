#include <statestore/topology.h>

CTopologyBasic::CTopologyBasic() = default;
CTopologyBasic::CTopologyBasic(int64_t cnrId, const CMacAddr& mac) : mCnrId(cnrId), mMac(mac) {}
CTopologyBasic::~CTopologyBasic() = default;

SAPInfo::SAPInfo() = default;
SAPInfo::SAPInfo(int64_t cnrId, const CMacAddr& mac, bool adHoc)
    : CTopologyBasic(cnrId, mac), mAdHoc(adHoc) {}
SAPInfo::~SAPInfo() = default;
