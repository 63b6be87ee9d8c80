#include "settings/EndScreenPatch.h"

#include "rom/HexText.h"
#include "rom/RegionMap.h"

#include <string>

namespace {
// Entry offsets inside the routine, per transition site.
constexpr std::array<std::int32_t, 4> kSiteEntry{60, 60, 67, 0};
} // namespace

std::int32_t EndScreenEntryAddress(std::int32_t endScreen) {
    return region::GameAddress(region::ScreenRecordOffset(endScreen));
}

std::vector<std::uint8_t> EndScreenPatchBytes(std::string_view patchHex, std::int32_t endScreen) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(kEndScreenPatchLength);
    for (std::size_t i = 0; i + 1 < patchHex.size() && bytes.size() < kEndScreenPatchLength;
         i += 2) {
        bytes.push_back(
            static_cast<std::uint8_t>(HexTextToInt(std::string(patchHex.substr(i, 2))) & 0xFF));
    }
    bytes.resize(kEndScreenPatchLength, 0);
    bytes[kEndScreenIndexByte] = static_cast<std::uint8_t>((endScreen - 1) & 0xFF);
    return bytes;
}

std::array<std::uint8_t, 3> TransitionCall(int site, std::int32_t endScreen) {
    const std::int32_t target = EndScreenEntryAddress(endScreen) + kSiteEntry.at(site);
    return {kCallOpcode, static_cast<std::uint8_t>(target & 0xFF),
            static_cast<std::uint8_t>((target >> 8) & 0xFF)};
}

std::int32_t EndScreenFromEntryAddress(std::int32_t entryAddress) {
    return (entryAddress - region::GameAddress(region::kRecordTableBase)) / region::kRecordSize;
}
