// The end screen is stored by patching the game: a 6502 routine laid over the
// end screen's record and four calls to it at the game's screen changes. This
// is the byte-level rule of that patch, shared by the editor and its tools.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

// The routine as 148 hex digits; byte 4 (the compared screen index) is a
// placeholder that the writer replaces with the end screen's index.
inline constexpr std::string_view kEndScreenPatchHex =
    "E8861FE046F00160A200A90F9D0501E8E002D0F8A200AD0220A9218D0620E69EA59E8D0620BDDCF48D0720E8"
    "E074D0E6A503C902F003D0F8EA4C007FAA861F10C2EA60CA861F10BBEA60";
inline constexpr int kEndScreenPatchLength = 74;
inline constexpr int kEndScreenIndexByte = 4;

// The game address of the patch laid over the record of the given screen.
std::int32_t EndScreenEntryAddress(std::int32_t endScreen);
// The patch bytes in the order they are written, index byte already set.
std::vector<std::uint8_t> EndScreenPatchBytes(std::string_view patchHex, std::int32_t endScreen);
// The 3-byte call written at transition site 0..3 (JSR, low, high).
std::array<std::uint8_t, 3> TransitionCall(int site, std::int32_t endScreen);
// The screen a stored entry address points into; truncates toward zero like
// the game's own layout arithmetic, so foreign pointers give foreign numbers.
std::int32_t EndScreenFromEntryAddress(std::int32_t entryAddress);

inline constexpr std::uint8_t kCallOpcode = 0x20;
