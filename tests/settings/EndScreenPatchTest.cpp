#include "settings/EndScreenPatch.h"

#include <gtest/gtest.h>

using Call = std::array<std::uint8_t, 3>;

TEST(EndScreenPatch, PatchIsTheRoutineWithTheScreenIndexAtByteFour) {
    ASSERT_EQ(kEndScreenPatchHex.size(), 148u);
    const auto patch = EndScreenPatchBytes(kEndScreenPatchHex, 9);
    ASSERT_EQ(patch.size(), 74u);
    EXPECT_EQ(patch[0], 0xE8);
    EXPECT_EQ(patch[3], 0xE0);
    EXPECT_EQ(patch[4], 0x08);
    EXPECT_EQ(patch[57], 0x4C);
    EXPECT_EQ(patch[73], 0x60);
    EXPECT_EQ(EndScreenPatchBytes(kEndScreenPatchHex, 1)[4], 0x00);
    EXPECT_EQ(EndScreenPatchBytes(kEndScreenPatchHex, 128)[4], 0x7F);
}

TEST(EndScreenPatch, CallsPointIntoTheEndScreensRecord) {
    struct Case {
        std::int32_t screen;
        Call first, third, fourth;
    };
    const Case cases[] = {
        {1, {0x20, 0x43, 0xA0}, {0x20, 0x4A, 0xA0}, {0x20, 0x07, 0xA0}},
        {28, {0x20, 0x47, 0xA8}, {0x20, 0x4E, 0xA8}, {0x20, 0x0B, 0xA8}},
        {128, {0x20, 0xF7, 0xC5}, {0x20, 0xFE, 0xC5}, {0x20, 0xBB, 0xC5}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TransitionCall(0, c.screen), c.first) << c.screen;
        EXPECT_EQ(TransitionCall(1, c.screen), c.first) << c.screen;
        EXPECT_EQ(TransitionCall(2, c.screen), c.third) << c.screen;
        EXPECT_EQ(TransitionCall(3, c.screen), c.fourth) << c.screen;
    }
}

TEST(EndScreenPatch, EveryEntryAddressReadsBackAsItsScreen) {
    for (std::int32_t screen = 1; screen <= 128; ++screen) {
        EXPECT_EQ(EndScreenFromEntryAddress(EndScreenEntryAddress(screen)), screen);
    }
    EXPECT_EQ(EndScreenFromEntryAddress(0), -538);
}
