// One screen of the game as its 76-byte record, field by field in file order.
#pragma once

#include <array>
#include <cstdint>

class RomImage;

struct ScreenRecord {
    static constexpr int kTileCount = 48;
    static constexpr int kMessageLength = 16;
    static constexpr int kEnemyCount = 4;

    std::array<std::uint8_t, kTileCount> tiles{};
    std::uint8_t itemId = 0;
    std::uint8_t itemPos = 0;
    std::array<std::uint8_t, kMessageLength> message{};
    std::array<std::uint8_t, kEnemyCount> enemyId{};
    std::array<std::uint8_t, kEnemyCount> enemyPos{};
    std::uint8_t palette1 = 0;
    std::uint8_t palette2 = 0;

    bool operator==(const ScreenRecord&) const = default;
};

// Both transfer the 76 bytes one by one in record order after one seek.
ScreenRecord ReadScreenRecord(RomImage& image, std::int32_t recordOffset);
void WriteScreenRecord(RomImage& image, std::int32_t recordOffset, const ScreenRecord& record);
