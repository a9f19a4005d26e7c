// The message catalogue (zavo.cl, services, CommEngine): every class written, read back and
// written again; missing and unknown members; golden bytes of whole default messages.
#include <corekit/string.h>
#include <corekit/throwable.h>
#include <gtest/gtest.h>
#include <msgcodec/msgcodec.h>

#include <memory>
#include <string>
#include <vector>

#include "catalogue_support.h"

namespace {

using namespace catalogue_test;

// ---- every class of the catalogue ----

// What the table test needs of one class, behind plain function pointers.
struct ClassCase {
  std::unique_ptr<CZavoHesClass> (*create)();
  void (*fill)(CZavoHesClass&);
  std::vector<MemberState> (*members)(CZavoHesClass&);

  template <class Message>
  static ClassCase Of() {
    return {[]() -> std::unique_ptr<CZavoHesClass> { return std::make_unique<Message>(); },
            [](CZavoHesClass& message) {
              uint64_t seed = 0;
              Fill(static_cast<Message&>(message), seed);
            },
            [](CZavoHesClass& message) { return MembersOf(static_cast<Message&>(message)); }};
  }
};

const std::vector<ClassCase>& AllClasses() {
  static const std::vector<ClassCase> cases = {
      ClassCase::Of<zavo::cl::Header>(),
      ClassCase::Of<zavo::cl::Request>(),
      ClassCase::Of<zavo::cl::Response>(),
      ClassCase::Of<zavo::cl::ReqTopology>(),
      ClassCase::Of<zavo::cl::GeneralReq>(),
      ClassCase::Of<zavo::cl::CommCacheReq>(),
      ClassCase::Of<zavo::cl::ReqPartition>(),
      ClassCase::Of<zavo::cl::ApReq>(),
      ClassCase::Of<zavo::cl::ScanReqInfo>(),
      ClassCase::Of<zavo::cl::ConnectivityReq>(),
      ClassCase::Of<zavo::cl::CaptiveReq>(),
      ClassCase::Of<zavo::cl::WispInfoReq>(),
      ClassCase::Of<zavo::cl::LocationReq>(),
      ClassCase::Of<zavo::cl::PublicInfoReq>(),
      ClassCase::Of<zavo::cl::AddressReq>(),
      ClassCase::Of<zavo::cl::GeneralInfoReq>(),
      ClassCase::Of<zavo::cl::ConnDetailsReq>(),
      ClassCase::Of<zavo::cl::ResTopology>(),
      ClassCase::Of<zavo::cl::CommCacheRes>(),
      ClassCase::Of<zavo::cl::ResPartition>(),
      ClassCase::Of<zavo::cl::ApRes>(),
      ClassCase::Of<zavo::cl::ScanResInfo>(),
      ClassCase::Of<zavo::cl::ConnectivityRes>(),
      ClassCase::Of<zavo::cl::ApCaptiveRes>(),
      ClassCase::Of<zavo::cl::WispInfoRes>(),
      ClassCase::Of<zavo::cl::LocationRes>(),
      ClassCase::Of<zavo::cl::PublicInfoRes>(),
      ClassCase::Of<zavo::cl::AddressRes>(),
      ClassCase::Of<zavo::cl::GeneralInfoRes>(),
      ClassCase::Of<zavo::cl::ReqConnect>(),
      ClassCase::Of<zavo::cl::OsInfo>(),
      ClassCase::Of<zavo::cl::OneTouchBtnData>(),
      ClassCase::Of<zavo::cl::ResConnectV2>(),
      ClassCase::Of<zavo::cl::PcNetwork>(),
      ClassCase::Of<zavo::cl::MobileNetwork>(),
      ClassCase::Of<zavo::cl::VerSite>(),
      ClassCase::Of<zavo::cl::Log>(),
      ClassCase::Of<zavo::cl::Update>(),
      ClassCase::Of<zavo::cl::ReqRegister>(),
      ClassCase::Of<zavo::cl::Cmpgn>(),
      ClassCase::Of<zavo::cl::ResRegister>(),
      ClassCase::Of<zavo::cl::ReqBehavior>(),
      ClassCase::Of<zavo::cl::MeasureReq>(),
      ClassCase::Of<zavo::cl::EventReq>(),
      ClassCase::Of<zavo::cl::ResBehavior>(),
      ClassCase::Of<services::ServiceHeader>(),
      ClassCase::Of<services::ServiceRequest>(),
      ClassCase::Of<services::ServiceResponse>(),
      ClassCase::Of<services::RegistrationServiceRequest>(),
      ClassCase::Of<services::RegistrationServiceResponse>(),
      ClassCase::Of<services::LoginServiceRequest>(),
      ClassCase::Of<services::LoginServiceResponse>(),
      ClassCase::Of<services::ConnectServiceRequest>(),
      ClassCase::Of<services::ConnectServiceResponse>(),
      ClassCase::Of<services::ReportUpdateServiceRequest>(),
      ClassCase::Of<services::ReportUpdateServiceResponse>(),
      ClassCase::Of<services::TopologyServiceRequest>(),
      ClassCase::Of<services::TopologyServiceResponse>(),
      ClassCase::Of<CommEngine::CCMP_IE_ClientRegistrationReq>(),
      ClassCase::Of<CommEngine::CCMP_IE_ClientRegistrationRsp>(),
      ClassCase::Of<CommEngine::CCMP_IE_GorvelParameters>(),
      ClassCase::Of<CommEngine::CCMP_IE_ConnectReqV3>(),
      ClassCase::Of<CommEngine::CCMP_IE_ConnectRsp>(),
      ClassCase::Of<CommEngine::CCMP_IE_LoggerProfileRspV3>(),
      ClassCase::Of<CommEngine::CCMP_IE_LoginReq>(),
      ClassCase::Of<CommEngine::CCMP_IE_LoginRsp>(),
      ClassCase::Of<CommEngine::CCMP_IE_MeasurmentParamV3>(),
      ClassCase::Of<CommEngine::CCMP_IE_NetworkProfile>(),
      ClassCase::Of<CommEngine::CCMP_IE_ServerInfo>(),
      ClassCase::Of<CommEngine::CCMP_IE_StatisticFiles>(),
      ClassCase::Of<CommEngine::CCMP_IE_StatisticInfo>(),
      ClassCase::Of<CommEngine::CCMP_IE_VersionUpdate>(),
      ClassCase::Of<CommEngine::CCMP_IE_ConnectionReport>(),
      ClassCase::Of<CommEngine::CCMP_IE_TopologyReqV3>(),
      ClassCase::Of<CommEngine::CCMP_IE_TopologyRspV3>(),
  };
  return cases;
}

std::string TypeName(const CZavoHesClass& message) {
  return std::string(message.Namespace().Text(), message.Namespace().Length()) + "." +
         std::string(message.ClassName().Text(), message.ClassName().Length());
}

std::string FilledBytes(const ClassCase& c) {
  auto message = c.create();
  c.fill(*message);
  Written written = Write(*message);
  EXPECT_EQ(written.rc, HES_OK);
  return written.bytes;
}

// Reads bytes into a new message, checks that all of them were taken, and writes it again.
std::string RoundTrip(const ClassCase& c, const std::string& bytes) {
  auto message = c.create();
  const Read read = ReadInto(*message, bytes);
  EXPECT_EQ(read.rc, HES_OK) << read.error;
  EXPECT_EQ(read.consumed, bytes.size());
  Written again = Write(*message);
  EXPECT_EQ(again.rc, HES_OK);
  return again.bytes;
}

class CatalogueClassTest : public ::testing::Test {
 protected:
  // Runs check for every class, naming the class in any failure.
  template <class Check>
  void ForEachClass(Check check) {
    ASSERT_EQ(AllClasses().size(), 75u);
    for (const ClassCase& c : AllClasses()) {
      const std::string name = TypeName(*c.create());
      SCOPED_TRACE(name);
      check(c, name);
    }
  }
};

TEST_F(CatalogueClassTest, DefaultWritesReadsAndWritesTheSameBytes) {
  ForEachClass([](const ClassCase& c, const std::string& name) {
    const Written first = Write(*c.create());
    ASSERT_EQ(first.rc, HES_OK);
    // Written in full, not as "N".
    EXPECT_EQ(first.bytes.substr(0, 4 + name.size()), Obj(name));
    EXPECT_EQ(RoundTrip(c, first.bytes), first.bytes);
  });
}

TEST_F(CatalogueClassTest, FilledWritesReadsAndWritesTheSameBytes) {
  ForEachClass([](const ClassCase& c, const std::string&) {
    const std::string filled = FilledBytes(c);
    ASSERT_NE(filled, Write(*c.create()).bytes);
    EXPECT_EQ(RoundTrip(c, filled), filled);
  });
}

TEST_F(CatalogueClassTest, MembersMissingOnTheWireEndNullOrUnchanged) {
  ForEachClass([](const ClassCase& c, const std::string& name) {
    auto message = c.create();
    c.fill(*message);
    const auto before = c.members(*message);
    const Read read = ReadInto(*message, Obj(name) + "z");
    ASSERT_EQ(read.rc, HES_OK) << read.error;
    const auto after = c.members(*message);
    ASSERT_EQ(after.size(), before.size());
    for (size_t i = 0; i < after.size(); ++i) {
      SCOPED_TRACE(after[i].name);
      if (after[i].nullable) {
        EXPECT_TRUE(after[i].isNull);
      } else {
        EXPECT_EQ(after[i].bytes, before[i].bytes);
      }
    }
  });
}

TEST_F(CatalogueClassTest, UnknownMembersAreSkipped) {
  // An unknown nested object first; an unknown list and an unknown string last.
  const std::string object =
      Obj("zavo.cl.Unknown") + Mem("a") + I(1) + Mem("b") + EmptyList("zavo.cl.Other") + "z";
  const std::string list = List("zavo.cl.Unknown", 2) + object + "N" + "z";
  ForEachClass([&](const ClassCase& c, const std::string& name) {
    const std::string filled = FilledBytes(c);
    const size_t header = 4 + name.size();
    const std::string received = filled.substr(0, header) + Mem("unknownFirst") + object +
                                 filled.substr(header, filled.size() - header - 1) +
                                 Mem("unknownList") + list + Mem("x") + "S" + Big(3, 2) + "abc" +
                                 "z";
    EXPECT_EQ(RoundTrip(c, received), filled);
  });
}

TEST_F(CatalogueClassTest, ReadsMembersInAnyOrder) {
  ForEachClass([](const ClassCase& c, const std::string& name) {
    auto message = c.create();
    c.fill(*message);
    // The filled message's members, last first.
    std::string reversed;
    for (const MemberState& member : c.members(*message)) {
      reversed = Mem(member.name) + member.bytes + reversed;
    }
    EXPECT_EQ(RoundTrip(c, Obj(name) + reversed + "z"), Write(*message).bytes);
  });
}

// ---- golden bytes of whole default messages ----

std::string DefaultHeader() {
  return Obj("zavo.cl.Header") + Mem("cnc") + I(0) + Mem("cnu") + I(0) + Mem("cnr") + L(0) +
         Mem("session") + I(0) + Mem("os") + I(0) + "z";
}

std::string DefaultServiceHeader() {
  return Obj("services.ServiceHeader") + Mem("m_CNCID") + I(0) + Mem("m_CNUID") + I(0) +
         Mem("m_CNR") + I(0) + Mem("m_SessionID") + I(0) + "z";
}

TEST(CatalogueGoldenTest, GeneralReqWithIsLan) {
  zavo::cl::GeneralReq request;
  request.isLan = 1;
  static const char kExpected[] = "Mt\x00\x12zavo.cl.GeneralReqS\x00\x05isLanI\x00\x00\x00\x01z";
  const std::string expected(kExpected, sizeof(kExpected) - 1);
  EXPECT_EQ(Write(request).bytes, expected);
}

TEST(CatalogueGoldenTest, DefaultMessages) {
  zavo::cl::ReqBehavior behavior;
  CommEngine::CCMP_IE_ConnectRsp connectRsp;
  services::ReportUpdateServiceResponse reportRsp;
  const struct {
    const char* name;
    const CZavoHesClass& message;
    std::string expected;
  } cases[] = {
      {"ReqBehavior", behavior,
       Obj("zavo.cl.ReqBehavior") + Mem("reqID") + I(0) + Mem("header") + DefaultHeader() +
           Mem("measureList") + std::string("Vt\x00\x13[zavo.cl.MeasureReql\0\0\0\0z", 29) +
           Mem("eventList") + std::string("Vt\x00\x11[zavo.cl.EventReql\0\0\0\0z", 27) + "z"},
      {"CCMP_IE_ConnectRsp", connectRsp,
       Obj("CommEngine.CCMP_IE_ConnectRsp") + Mem("m_ieId") + I(0) + Mem("m_msgLength") + I(0) +
           Mem("m_connStatues") + I(0) + Mem("m_featureBitMap") + TypedInt("CT_Uint32", 0) +
           Mem("SIZE") + I(0) + "z"},
      {"ReportUpdateServiceResponse", reportRsp,
       Obj("services.ReportUpdateServiceResponse") + Mem("serviceHeader") + DefaultServiceHeader() +
           Mem("rspID") + I(0) + Mem("m_success") + "F" + "z"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Write(c.message).bytes, c.expected);
  }
}

TEST(CatalogueGoldenTest, TopologyServiceRequestWithTwoEntries) {
  services::TopologyServiceRequest request;
  request.req.Add(*new CommEngine::CCMP_IE_TopologyReqV3);
  request.req.Add(*new CommEngine::CCMP_IE_TopologyReqV3);
  CommEngine::CCMP_IE_TopologyReqV3 entry;
  const std::string entryBytes = Write(entry).bytes;
  const std::string expected = Obj("services.TopologyServiceRequest") + Mem("serviceHeader") +
                               DefaultServiceHeader() + Mem("reqID") + I(0) + Mem("req") +
                               List("CommEngine.CCMP_IE_TopologyReqV3", 2) + entryBytes +
                               entryBytes + "z" + Mem("clientIP") + "N" + "z";
  EXPECT_EQ(Write(request).bytes, expected);
}

// ---- MeasureReq::setBssid ----

TEST(MeasureReqTest, SetBssidFillsTheBinaryMember) {
  zavo::cl::MeasureReq measure;
  EXPECT_NE(Write(measure).bytes.find(Mem("bssid") + "N" + Mem("crTmSrvr")), std::string::npos);
  const char address[] = "\x00\x11\x22\x33\x44\xC5";
  measure.setBssid(address, 6);
  EXPECT_TRUE(measure.bssid.OwnsData());
  EXPECT_NE(Write(measure).bytes.find(Mem("bssid") + "B" + Big(6, 2) + std::string(address, 6) +
                                      Mem("crTmSrvr")),
            std::string::npos);
}

TEST(MeasureReqTest, SetBssidRefusesNullAndOtherLengths) {
  const char address[] = "\x01\x02\x03\x04\x05\x06\x07";
  const struct {
    const char* bytes;
    int length;
  } cases[] = {{nullptr, 6}, {address, 5}, {address, 7}, {address, 0}, {address, -6}, {nullptr, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.length);
    zavo::cl::MeasureReq measure;
    measure.setBssid("\xAA\xBB\xCC\xDD\xEE\xFF", 6);
    bool thrown = false;
    try {
      measure.setBssid(c.bytes, c.length);
    } catch (const zvlang::IllegalArgumentException& e) {
      thrown = true;
      EXPECT_TRUE(e.getMessage().equals(
          u"MeasureReq::setBssid() : either input is Null or has illegal length"));
      EXPECT_TRUE(e.GetFullName().equals(u"com.zavo.lang.IllegalArgumentException"));
    }
    EXPECT_TRUE(thrown);
    EXPECT_EQ(std::string(measure.bssid.GetData(), measure.bssid.Length()),
              "\xAA\xBB\xCC\xDD\xEE\xFF");
  }
  // Caught as the base class too.
  zavo::cl::MeasureReq measure;
  EXPECT_THROW(measure.setBssid(nullptr, 6), zvlang::Exception);
  EXPECT_TRUE(measure.bssid.IsNull());
}

// ---- reading replies ----

TEST(CatalogueReadTest, ResBehaviorWithAnExtraMemberIsRead) {
  const std::string reply = Obj("zavo.cl.ResBehavior") + Mem("resID") + I(7) + Mem("header") +
                            DefaultHeader() + Mem("status") + I(1) + Mem("retryAfter") + I(30) +
                            Mem("desc") + "S" + Big(2, 2) + "ok" + "z";
  zavo::cl::ResBehavior response;
  const Read read = ReadInto(response, reply);
  ASSERT_EQ(read.rc, HES_OK) << read.error;
  EXPECT_EQ(read.consumed, reply.size());
  EXPECT_EQ(response.resID, 7);
  EXPECT_EQ(response.status, 1);
  EXPECT_EQ(std::u16string(response.desc.GetData(), response.desc.Length()), u"ok");
}

TEST(CatalogueReadTest, ResTopologyWithApItemsOfAnotherTypeFails) {
  const std::string reply = Obj("zavo.cl.ResTopology") + Mem("resID") + I(0) + Mem("apList") +
                            EmptyList("zavo.cl.ApReq") + "z";
  zavo::cl::ResTopology response;
  const Read read = ReadInto(response, reply);
  EXPECT_EQ(read.rc, HES_E_FORMAT);
  EXPECT_EQ(
      read.error.rfind("Expected item class \"zavo.cl.ApRes[]\" but got \"[zavo.cl.ApReq\"", 0), 0u)
      << read.error;
  EXPECT_NE(read.error.find(". This happens in member \"apList\" of class \"zavo.cl.ResTopology\""),
            std::string::npos)
      << read.error;
}

TEST(CatalogueReadTest, ConnectServiceResponseWithoutServerInfoLeavesItNull) {
  services::ConnectServiceResponse full;
  uint64_t seed = 0;
  Fill(full, seed);
  // The filled response with its last member cut out.
  const std::string bytes = Write(full).bytes;
  const std::string serverInfo = Mem("m_serverInfo") + Write(full.m_serverInfo).bytes;
  const size_t at = bytes.find(serverInfo);
  ASSERT_NE(at, std::string::npos);
  const std::string reply = bytes.substr(0, at) + "z";
  services::ConnectServiceResponse response;
  const Read read = ReadInto(response, reply);
  ASSERT_EQ(read.rc, HES_OK) << read.error;
  EXPECT_TRUE(response.m_serverInfo.IsNull());
  EXPECT_FALSE(response.m_versionUpdate.IsNull());
  EXPECT_EQ(Write(response.m_serverInfo).bytes, "N");
}

TEST(CatalogueReadTest, NestedFailureNamesEveryEnclosingMember) {
  // "header" holds an int where "cnr" wants a long.
  const std::string reply = Obj("zavo.cl.ResBehavior") + Mem("header") + Obj("zavo.cl.Header") +
                            Mem("cnr") + I(5) + "z" + "z";
  zavo::cl::ResBehavior response;
  const Read read = ReadInto(response, reply);
  EXPECT_NE(read.rc, HES_OK);
  EXPECT_NE(read.error.find(". This happens in member \"cnr\" of class \"zavo.cl.Header\". This "
                            "happens in member \"header\" of class \"zavo.cl.ResBehavior\""),
            std::string::npos)
      << read.error;
}

}  // namespace
