#include "DemoImage.h"

#include "rom/GameText.h"
#include "rom/RegionMap.h"
#include "settings/EndScreenPatch.h"
#include "settings/StartScreenByte.h"

#include <array>
#include <fstream>
#include <stdexcept>

namespace demo {
namespace {

// A small linear congruential generator: the same image on every machine.
class Noise {
public:
    std::uint32_t next() {
        state_ = state_ * 1664525u + 1013904223u;
        return state_ >> 8;
    }
    std::uint8_t below(std::uint32_t bound) { return static_cast<std::uint8_t>(next() % bound); }

private:
    std::uint32_t state_ = 0x0D0A2026u;
};

constexpr std::array<const char32_t*, 8> kMessages{
    U"WELCOME HERO",   U"BEWARE THE BATS", U"FIND THE KEY!",   U"THE OLD WELL",
    U"CAVE OF ECHOES", U"WHO GOES THERE?", U"DON'T LOOK DOWN", U"A \"SAFE\" ROOM+-"};

struct PalettePair {
    std::uint8_t first;
    std::uint8_t second;
};
// The four presets, then pairs that match none.
constexpr std::array<PalettePair, 7> kPalettes{
    {{252, 157}, {40, 158}, {84, 158}, {18, 158}, {40, 157}, {7, 200}, {0, 0}}};

void Put(std::vector<std::uint8_t>& image, std::int32_t offset, std::uint8_t value) {
    image.at(static_cast<std::size_t>(offset)) = value;
}

void WriteRecord(std::vector<std::uint8_t>& image, Noise& noise, std::int32_t screen) {
    std::int32_t at = region::ScreenRecordOffset(screen);
    const std::uint8_t floor = noise.below(0xB0);
    const std::uint8_t wall = noise.below(0xB0);
    for (int cell = 0; cell < 48; ++cell) {
        const int column = cell % 8;
        const int row = cell / 8;
        const bool edge = row == 0 || row == 5 || column == 0 || column == 7;
        const bool decoration = noise.below(6) == 0;
        Put(image, at++, decoration ? noise.below(0xB0) : edge ? wall : floor);
    }
    Put(image, at++, noise.below(12));
    Put(image, at++, screen == kScreenWithItemAt255 ? 255 : noise.below(192));
    const auto codes = EncodeGameText(kMessages[noise.below(kMessages.size())], 16);
    for (const std::uint8_t code : codes) {
        Put(image, at++, code);
    }
    for (int enemy = 0; enemy < 4; ++enemy) {
        Put(image, at++, noise.below(16));
    }
    for (int enemy = 0; enemy < 4; ++enemy) {
        const bool unset = screen == kScreenWithEnemy3At255 && enemy == 2;
        Put(image, at++, unset ? 255 : noise.below(192));
    }
    const PalettePair palette = kPalettes[noise.below(kPalettes.size())];
    Put(image, at++, palette.first);
    Put(image, at++, palette.second);
}

void WriteEndScreenPatch(std::vector<std::uint8_t>& image) {
    const auto patch = EndScreenPatchBytes(kEndScreenPatchHex, kEndScreen);
    std::int32_t at = region::ScreenRecordOffset(kEndScreen);
    for (const std::uint8_t byte : patch) {
        Put(image, at++, byte);
    }
    for (int site = 0; site < 4; ++site) {
        const auto call = TransitionCall(site, kEndScreen);
        for (int i = 0; i < 3; ++i) {
            Put(image, region::kTransitionSites[site] + i, call[i]);
        }
    }
}

} // namespace

std::vector<std::uint8_t> MakeDemoImage() {
    std::vector<std::uint8_t> image(kImageSize, 0);
    Noise noise;
    // Code and graphics banks: plausible noise, then the header over it.
    for (auto& byte : image) {
        byte = noise.below(256);
    }
    constexpr std::array<std::uint8_t, 16> kHeader{'N', 'E', 'S', 0x1A, 2, 1, 0, 0,
                                                   0,   0,   0,   0,    0, 0, 0, 0};
    std::copy(kHeader.begin(), kHeader.end(), image.begin());

    Put(image, region::kStartScreen, EncodeStartScreen(kStartScreen));
    for (std::int32_t screen = 1; screen <= region::kScreenCount; ++screen) {
        WriteRecord(image, noise, screen);
    }
    WriteEndScreenPatch(image);
    const auto ending = EncodeGameText(
        std::u32string(kEndingText, kEndingText + std::char_traits<char>::length(kEndingText)),
        region::kEndingTextLength);
    for (int i = 0; i < region::kEndingTextLength; ++i) {
        Put(image, region::kEndingText + i, ending[static_cast<std::size_t>(i)]);
    }
    return image;
}

void WriteDemoImage(const std::string& path) {
    const auto image = MakeDemoImage();
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(image.data()),
              static_cast<std::streamsize>(image.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
}

} // namespace demo
