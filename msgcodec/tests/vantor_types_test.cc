// The typed values of "VantorTypes": exactly one member "value", always written in full.
#include <gtest/gtest.h>
#include <msgcodec/msgcodec.h>

#include <memory>
#include <string>
#include <vector>

#include "catalogue_support.h"

namespace {

using namespace catalogue_test;
using namespace VantorTypes;

struct TypeCase {
  const char* className;
  std::unique_ptr<CZavoHesClass> (*create)();
  void (*fill)(CZavoHesClass&);

  template <class T>
  static TypeCase Of() {
    return {T::mClassName.Text(),
            []() -> std::unique_ptr<CZavoHesClass> { return std::make_unique<T>(); },
            [](CZavoHesClass& value) {
              uint64_t seed = 3;
              Fill(static_cast<T&>(value), seed);
            }};
  }
};

const std::vector<TypeCase>& AllTypes() {
  static const std::vector<TypeCase> cases = {
      TypeCase::Of<CT_CncId>(),
      TypeCase::Of<CT_CnuId>(),
      TypeCase::Of<CT_CnrID>(),
      TypeCase::Of<CT_Uint16>(),
      TypeCase::Of<CT_Uint32>(),
      TypeCase::Of<CT_RegistrationStatus>(),
      TypeCase::Of<CT_NetworkType>(),
      TypeCase::Of<CT_Cipher>(),
      TypeCase::Of<CT_ApServiceType>(),
      TypeCase::Of<CT_ConntectionQuality>(),
      TypeCase::Of<CT_Accessibility>(),
      TypeCase::Of<CT_MacAddr>(),
      TypeCase::Of<CT_SSID>(),
      TypeCase::Of<CT_IPAddr>(),
      TypeCase::Of<CT_MeasurementType>(),
  };
  return cases;
}

std::string TypeOf(const TypeCase& c) { return std::string("VantorTypes.") + c.className; }

class TypedValueTest : public ::testing::Test {
 protected:
  template <class Check>
  void ForEachType(Check check) {
    ASSERT_EQ(AllTypes().size(), 15u);
    for (const TypeCase& c : AllTypes()) {
      SCOPED_TRACE(c.className);
      check(c);
    }
  }
};

TEST_F(TypedValueTest, Uint16WritesItsGoldenBytes) {
  static const char kExpected[] = "Mt\x00\x15VantorTypes.CT_Uint16S\x00\x05valueI\x00\x00\x00\x50z";
  EXPECT_EQ(Write(CT_Uint16(80)).bytes, std::string(kExpected, sizeof(kExpected) - 1));
}

TEST_F(TypedValueTest, NumbersTravelAsTheirValueClassesWriteThem) {
  const struct {
    const char* name;
    std::string written;
    std::string expected;
  } cases[] = {
      {"CT_Accessibility(-5)", Write(CT_Accessibility(-5)).bytes, TypedInt("CT_Accessibility", -5)},
      {"CT_Cipher(-1)", Write(CT_Cipher(-1)).bytes, TypedInt("CT_Cipher", -1)},
      {"CT_Uint32(0xFFFFFFFF)", Write(CT_Uint32(0xFFFFFFFFu)).bytes, TypedInt("CT_Uint32", -1)},
      {"CT_Uint16(65535)", Write(CT_Uint16(65535)).bytes, TypedInt("CT_Uint16", 65535)},
      {"CT_CncId(7)", Write(CT_CncId(7)).bytes, TypedInt("CT_CncId", 7)},
      {"CT_CnrID", Write(CT_CnrID(-0x0123456789ABCDEFll)).bytes,
       Obj("VantorTypes.CT_CnrID") + Mem("value") + L(-0x0123456789ABCDEFll) + "z"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.written, c.expected);
  }
}

TEST_F(TypedValueTest, ConvertsAndAssigns) {
  CT_Uint32 u(0);
  u = 4000000000u;
  EXPECT_EQ(static_cast<unsigned int>(u), 4000000000u);
  CT_Accessibility a(0);
  a = -300;
  EXPECT_EQ(static_cast<short>(a), -300);
  CT_RegistrationStatus s(0);
  s = -2;
  EXPECT_EQ(static_cast<char>(s), -2);
  CT_CnrID r(0);
  r = -1;
  EXPECT_EQ(static_cast<long long>(r), -1);
  // Read back: the wire's ints become the same numbers.
  CT_Uint32 back;
  ASSERT_EQ(ReadInto(back, TypedInt("CT_Uint32", -96)).rc, HES_OK);
  EXPECT_EQ(static_cast<unsigned int>(back), 4294967200u);
}

TEST_F(TypedValueTest, UnfilledBytesAreWrittenAsNullInsideTheFullObject) {
  EXPECT_EQ(Write(CT_MacAddr()).bytes, Obj("VantorTypes.CT_MacAddr") + Mem("value") + "N" + "z");
}

TEST_F(TypedValueTest, DefaultAndFilledWriteReadAndWriteTheSameBytes) {
  ForEachType([](const TypeCase& c) {
    auto filled = c.create();
    c.fill(*filled);
    for (const std::string& bytes : {Write(*c.create()).bytes, Write(*filled).bytes}) {
      auto read = c.create();
      const Read result = ReadInto(*read, bytes);
      ASSERT_EQ(result.rc, HES_OK) << result.error;
      EXPECT_EQ(result.consumed, bytes.size());
      EXPECT_EQ(Write(*read).bytes, bytes);
    }
    EXPECT_NE(Write(*filled).bytes, Write(*c.create()).bytes);
  });
}

TEST_F(TypedValueTest, NullIsOneByteAndTheWrapperIsStillWrittenInFull) {
  ForEachType([](const TypeCase& c) {
    auto value = c.create();
    const std::string before = Write(*value).bytes;
    const Read read = ReadInto(*value, "NI");
    ASSERT_EQ(read.rc, HES_OK);
    EXPECT_EQ(read.consumed, 1u);
    EXPECT_TRUE(value->IsNull());
    EXPECT_EQ(Write(*value).bytes, before);
  });
}

TEST_F(TypedValueTest, AcceptsNoMemberButValue) {
  ForEachType([](const TypeCase& c) {
    const std::string type = TypeOf(c);
    const std::string wrongName =
        "While parsing class \"" + type +
        "\", expected 'S' then the 'value' member name, but got something else. Last chars read: ";
    const std::string filled = [&] {
      auto value = c.create();
      c.fill(*value);
      return Write(*value).bytes;
    }();
    const std::string valueBytes =
        filled.substr(4 + type.size() + 8, filled.size() - 4 - type.size() - 8 - 1);
    const struct {
      const char* name;
      std::string bytes;
      int rc;
      std::string error;
    } cases[] = {
        {"another member name", Obj(type) + Mem("val") + I(1) + "z", HES_E_FORMAT, wrongName},
        {"a longer name", Obj(type) + Mem("values") + valueBytes + "z", HES_E_FORMAT, wrongName},
        {"no member", Obj(type) + "z", HES_E_NO_DATA, wrongName},
        {"a member after value", Obj(type) + Mem("value") + valueBytes + Mem("extra") + I(1) + "z",
         HES_E_FORMAT,
         "Expected terminating 'z' for class \"" + type + "\" but got something else"},
        {"no end", Obj(type) + Mem("value") + valueBytes, HES_E_NO_DATA,
         "Failed to read terminating 'z' for . Last chars read: "},
        {"another type", Obj("VantorTypes.CT_Other") + Mem("value") + valueBytes + "z",
         HES_E_FORMAT, "Expected class \"" + type + "\" but got \"VantorTypes.CT_Other\""},
    };
    for (const auto& k : cases) {
      SCOPED_TRACE(k.name);
      auto value = c.create();
      const Read read = ReadInto(*value, k.bytes);
      EXPECT_EQ(read.rc, k.rc);
      EXPECT_EQ(read.error.substr(0, k.error.size()), k.error);
    }
    // A failing value names the member and the wrapper.
    auto value = c.create();
    const Read read = ReadInto(*value, Obj(type) + Mem("value") + "T" + "z");
    EXPECT_NE(read.rc, HES_OK);
    EXPECT_NE(read.error.find(". This happens in member \"value\" of class \"" + type + "\""),
              std::string::npos)
        << read.error;
  });
}

TEST_F(TypedValueTest, MeasurementTypeTurnsBitsOn) {
  CT_MeasurementType mask;
  ASSERT_EQ(mask.TurnBitsOn(0x4), HES_OK);
  ASSERT_EQ(mask.TurnBitsOn(0x1), HES_OK);
  EXPECT_FALSE(mask.value.IsNull());
  const char* bytes = nullptr;
  ASSERT_EQ(mask.Data(bytes), 4u);
  EXPECT_EQ(std::string(bytes, 4), std::string("\x05\x00\x00\x00", 4));
  ASSERT_EQ(mask.TurnBitsOn(0x80000100), HES_OK);
  mask.Data(bytes);
  EXPECT_EQ(std::string(bytes, 4), std::string("\x05\x01\x00\x80", 4));
  EXPECT_TRUE(mask.value.OwnsData());

  // A borrowed 4-byte mask is replaced by an owned one; the caller's bytes stay.
  const char borrowed[4] = {0x10, 0, 0, 0};
  mask.SetExternal(borrowed, 4);
  ASSERT_EQ(mask.TurnBitsOn(0x2), HES_OK);
  mask.Data(bytes);
  EXPECT_EQ(std::string(bytes, 4), std::string("\x12\x00\x00\x00", 4));
  EXPECT_EQ(borrowed[0], 0x10);

  mask.Copy("\x01\x02\x03", 3);
  EXPECT_EQ(mask.TurnBitsOn(0x1), HES_E_NOT_SUPPORTED);
  EXPECT_EQ(mask.Data(bytes), 3u);
}

TEST_F(TypedValueTest, IpAddressInBothOrders) {
  const struct {
    std::string bytes;
    int host;
    int network;
  } cases[] = {
      {std::string("\x0A\x00\x00\x01", 4), 167772161, 0x0100000A},
      {std::string("\xC0\xA8\x01\xFE", 4), static_cast<int>(0xC0A801FEu),
       static_cast<int>(0xFE01A8C0u)},
      {std::string("\x0A\x00\x00\x01\x07", 5), 167772161, 0x0100000A},
      {std::string("\x0A\x00\x00", 3), 0, 0},
      {"", 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bytes.size());
    CT_IPAddr address;
    address.Copy(c.bytes.data(), static_cast<uint32_t>(c.bytes.size()));
    EXPECT_EQ(address.GetInHostOrder(), c.host);
    EXPECT_EQ(address.GetInNetworkOrder(), c.network);
  }
  EXPECT_EQ(CT_IPAddr().GetInHostOrder(), 0);
}

}  // namespace
