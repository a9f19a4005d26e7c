#include <gtest/gtest.h>
#include <toolbox/global_toolbox.h>

namespace {

TEST(GlobalToolboxTest, VersionPacksSixteenBitsEachMajorFirst) {
  EXPECT_EQ(NGlobalToolbox::PackVersion(1, 2, 3, 4), 0x0001000200030004LL);
  EXPECT_EQ(NGlobalToolbox::PackVersion(0xFFFF, 0, 0, 1),
            static_cast<int64_t>(0xFFFF000000000001ULL));
  EXPECT_EQ(NGlobalToolbox::PackVersion(0x10001, 0, 0, 0), 0x0001000000000000LL);  // low 16 bits
  EXPECT_EQ(NGlobalToolbox::converVersionTo64bit(),
            NGlobalToolbox::PackVersion(ZAVO_VERSION_MAJOR, ZAVO_VERSION_MINOR, ZAVO_VERSION_PATCH,
                                        ZAVO_VERSION_BUILD));
  EXPECT_EQ(NGlobalToolbox::GetClientVersion().ToUtf8(),
            std::to_string(ZAVO_VERSION_MAJOR) + "." + std::to_string(ZAVO_VERSION_MINOR) + "." +
                std::to_string(ZAVO_VERSION_PATCH) + "." + std::to_string(ZAVO_VERSION_BUILD));
}

}  // namespace
