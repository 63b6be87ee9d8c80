#include "objects/PlaceRule.h"

#include <gtest/gtest.h>

TEST(PlaceRule, PositionsNameTheirPlaces) {
    const struct {
        std::int32_t position;
        MarkerPoint point;
    } cases[] = {
        {0, {8, 8}},    {15, {255, 8}},    {16, {8, 24}},     {17, {24, 24}},
        {34, {41, 41}}, {190, {239, 189}}, {191, {255, 189}}, {1, {24, 8}},
        {6, {107, 8}},  {14, {239, 8}},    {160, {8, 173}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MarkerPointOf(c.position), c.point) << c.position;
    }
}

TEST(PlaceRule, ValuesOutsideTheGridNameNoPlace) {
    for (const std::int32_t position : {192, 200, 254, 255, 256, 999, -1}) {
        EXPECT_EQ(MarkerPointOf(position), std::nullopt) << position;
    }
}

TEST(PlaceRule, ClampKeepsPlacesAndBoundsTheRest) {
    const struct {
        std::int32_t value;
        std::int32_t clamped;
    } cases[] = {{0, 0}, {191, 191}, {192, 191}, {999, 191}, {-1, 0}, {-500, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(ClampedPosition(c.value), c.clamped) << c.value;
    }
}
