// The four named palette pairs that the spin button steps through, and the rules that pick one:
// kept free of widgets so they can be checked on their own.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

struct PalettePair {
    std::uint8_t palette1;
    std::uint8_t palette2;
};

inline constexpr int kNoPreset = 0;
inline constexpr int kFirstPreset = 1;
inline constexpr int kLastPreset = 4;

// index is kFirstPreset..kLastPreset: Cave, Forest 1, Forest 2, Castle.
PalettePair PresetPair(int index);

// The load writes the bytes as decimal text without leading zeros, so comparing the texts is
// comparing the numbers; a text that is no number simply matches nothing.
std::optional<int> MatchPreset(std::string_view palette1Text, std::string_view palette2Text);

// The preset a down click applies: one further, staying at the last.
int NextPresetIndex(int index);
// The preset an up click applies: one back, staying at the first; with nothing chosen yet it is
// the first.
int PreviousPresetIndex(int index);
