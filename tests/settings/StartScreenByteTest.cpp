#include "settings/StartScreenByte.h"

#include <gtest/gtest.h>

TEST(StartScreenByte, EncodesAndDecodesEveryScreen) {
    const std::pair<std::int32_t, std::uint8_t> cases[] = {
        {1, 0xDA}, {38, 0xFF}, {39, 0x00}, {55, 0x10}, {128, 0x59}};
    for (const auto& [screen, byte] : cases) {
        EXPECT_EQ(EncodeStartScreen(screen), byte) << screen;
        EXPECT_EQ(DecodeStartScreen(byte), screen) << screen;
    }
    for (std::int32_t screen = 1; screen <= 128; ++screen) {
        EXPECT_EQ(DecodeStartScreen(EncodeStartScreen(screen)), screen);
    }
}

TEST(StartScreenByte, BytesBetweenTheRangesNameNoScreen) {
    for (int byte = 0x5A; byte <= 0xD9; ++byte) {
        EXPECT_EQ(DecodeStartScreen(static_cast<std::uint8_t>(byte)), std::nullopt) << byte;
    }
}
