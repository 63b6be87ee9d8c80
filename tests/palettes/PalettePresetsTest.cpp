#include "palettes/PalettePresets.h"

#include <gtest/gtest.h>

TEST(PalettePresets, TableInIndexOrder) {
    const struct {
        int index;
        int palette1;
        int palette2;
    } presets[] = {{1, 252, 157}, {2, 40, 158}, {3, 84, 158}, {4, 18, 158}};
    for (const auto& preset : presets) {
        const PalettePair pair = PresetPair(preset.index);
        EXPECT_EQ(pair.palette1, preset.palette1) << preset.index;
        EXPECT_EQ(pair.palette2, preset.palette2) << preset.index;
    }
    EXPECT_THROW(PresetPair(0), std::out_of_range);
    EXPECT_THROW(PresetPair(5), std::out_of_range);
}

TEST(PalettePresets, MatchesOnlyAnExactPair) {
    const struct {
        const char* palette1;
        const char* palette2;
        std::optional<int> match;
    } cases[] = {
        {"252", "157", 1},
        {"40", "158", 2},
        {"84", "158", 3},
        {"18", "158", 4},
        {"40", "157", std::nullopt},
        {"158", "40", std::nullopt},
        {"0", "0", std::nullopt},
        {"", "158", std::nullopt},
        {"abc", "158", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MatchPreset(c.palette1, c.palette2), c.match) << c.palette1 << "/" << c.palette2;
    }
}

TEST(PalettePresets, SpinStepsStopAtTheEndsAndStartAtTheFirst) {
    const struct {
        int index;
        int next;
        int previous;
    } cases[] = {{0, 1, 1}, {1, 2, 1}, {2, 3, 1}, {3, 4, 2}, {4, 4, 3}};
    for (const auto& c : cases) {
        EXPECT_EQ(NextPresetIndex(c.index), c.next) << c.index;
        EXPECT_EQ(PreviousPresetIndex(c.index), c.previous) << c.index;
    }
}
