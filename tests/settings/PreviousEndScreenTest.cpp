#include "settings/PreviousEndScreen.h"

#include <gtest/gtest.h>

using region::ScreenRecordOffset;

TEST(PreviousEndScreen, OnlyAnotherRealScreenRecordIsCleared) {
    const std::int32_t newRecord = ScreenRecordOffset(9);
    const struct {
        std::int32_t previous;
        bool cleared;
    } cases[] = {
        {ScreenRecordOffset(5), true},
        {ScreenRecordOffset(1), true},
        {ScreenRecordOffset(128), true},
        {newRecord, false},
        {0, false},
        {ScreenRecordOffset(0), false},
        {ScreenRecordOffset(129), false},
        {ScreenRecordOffset(-538), false},
        {ScreenRecordOffset(5) + 1, false},
        {ScreenRecordOffset(5) - 1, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ShouldClearPreviousEndScreen(c.previous, newRecord), c.cleared) << c.previous;
    }
}
