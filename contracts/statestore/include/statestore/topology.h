// CTopologyBasic and SAPInfo: the access points of the network topology.
#pragma once

#include <sharedbase/mac_addr.h>
#include <statestore/statestore_export.h>

#include <cstdint>

class STATESTORE_EXPORT CTopologyBasic {
 public:
  CTopologyBasic();
  CTopologyBasic(int64_t cnrId, const CMacAddr& mac);
  virtual ~CTopologyBasic();

  // The access point's CNR, 0 when unknown.
  int64_t GetCNRID() const { return mCnrId; }
  void SetCNRID(int64_t cnrId) { mCnrId = cnrId; }
  const CMacAddr& GetMacAddress() const { return mMac; }
  void SetMacAddress(const CMacAddr& mac) { mMac = mac; }

 private:
  int64_t mCnrId = 0;
  CMacAddr mMac;
};

// One access point as the engine reports it.
class STATESTORE_EXPORT SAPInfo : public CTopologyBasic {
 public:
  SAPInfo();
  SAPInfo(int64_t cnrId, const CMacAddr& mac, bool adHoc);
  ~SAPInfo() override;

  // True for an ad-hoc (peer to peer) network.
  bool IsAdHoc() const { return mAdHoc; }
  void SetAdHoc(bool adHoc) { mAdHoc = adHoc; }

 private:
  bool mAdHoc = false;
};
