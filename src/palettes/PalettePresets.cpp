#include "palettes/PalettePresets.h"

#include <array>
#include <stdexcept>
#include <string>

namespace {

constexpr std::array<PalettePair, kLastPreset> kPresets = {{
    {252, 157},
    {40, 158},
    {84, 158},
    {18, 158},
}};

} // namespace

PalettePair PresetPair(int index) {
    if (index < kFirstPreset || index > kLastPreset) {
        throw std::out_of_range("palette preset index " + std::to_string(index));
    }
    return kPresets[static_cast<std::size_t>(index - kFirstPreset)];
}

std::optional<int> MatchPreset(std::string_view palette1Text, std::string_view palette2Text) {
    for (int index = kFirstPreset; index <= kLastPreset; ++index) {
        const PalettePair pair = PresetPair(index);
        if (palette1Text == std::to_string(pair.palette1) &&
            palette2Text == std::to_string(pair.palette2)) {
            return index;
        }
    }
    return std::nullopt;
}

int NextPresetIndex(int index) {
    return index < kLastPreset ? index + 1 : index;
}

int PreviousPresetIndex(int index) {
    if (index > kFirstPreset) {
        return index - 1;
    }
    return kFirstPreset;
}
