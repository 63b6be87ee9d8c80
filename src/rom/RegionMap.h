// The byte layout of the cartridge image: every offset the editor reads or
// writes is spelled here and nowhere else.
#pragma once

#include <array>
#include <cstdint>

namespace region {

inline constexpr std::int32_t kStartScreen = 505;

// The four places where the game changes screens; with an end screen set each
// holds a subroutine call into the end-screen patch.
inline constexpr std::array<std::int32_t, 4> kTransitionSites{506, 543, 581, 617};
// The opcode byte of the last site marks that an end screen is set; the two
// bytes after it hold the patch's entry address.
inline constexpr std::int32_t kEndScreenMarker = 617;
inline constexpr std::int32_t kEntryAddressLow = 618;
inline constexpr std::int32_t kEntryAddressHigh = 619;

inline constexpr std::int32_t kScreenCount = 128;
inline constexpr std::int32_t kRecordTableBase = 8139;
inline constexpr std::int32_t kRecordSize = 76;

inline constexpr std::int32_t kEndingText = 29932;
inline constexpr std::int32_t kEndingTextLength = 116;

// The game sees file offset F at address F + 0x7FF0 (0x8000 less the header).
inline constexpr std::int32_t kGameAddressBias = 32752;

// Every screen load reads the ending text, so a usable image reaches its end.
inline constexpr std::int32_t kMinimumImageSize = kEndingText + kEndingTextLength;

constexpr std::int32_t ScreenRecordOffset(std::int32_t screen) {
    return kRecordTableBase + kRecordSize * screen;
}

constexpr std::int32_t GameAddress(std::int32_t fileOffset) {
    return fileOffset + kGameAddressBias;
}

} // namespace region
