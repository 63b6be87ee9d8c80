#include "rom/ScreenRecord.h"

#include "DemoImage.h"
#include "TempImage.h"
#include "rom/DecimalText.h"
#include "rom/GameText.h"
#include "rom/HexText.h"
#include "rom/RegionMap.h"
#include "rom/RomImage.h"

#include <gtest/gtest.h>

namespace {

class ScreenRecordTest : public ::testing::Test {
protected:
    void SetUp() override {
        path_ = folder_.file("game.nes");
        WriteFileBytes(path_, demo::MakeDemoImage());
        image_.setPath(path_.string());
    }

    TempFolder folder_;
    std::filesystem::path path_;
    RomImage image_;
};

// The window holds every field as text; this is the same trip through the
// text forms, with a position of 255 shown as "0".
ScreenRecord ThroughWindowTexts(const ScreenRecord& record) {
    auto viaHex = [](std::uint8_t byte) {
        return static_cast<std::uint8_t>(HexTextToInt(IntToHexText(byte)) & 0xFF);
    };
    auto viaPosition = [](std::uint8_t byte) {
        const std::string text = byte == 255 ? "0" : IntToDecimalText(byte);
        return static_cast<std::uint8_t>(DecimalTextToInt(text) & 0xFF);
    };
    ScreenRecord result = record;
    for (auto& tile : result.tiles) {
        tile = viaHex(tile);
    }
    result.itemId = viaHex(record.itemId);
    result.itemPos = viaPosition(record.itemPos);
    const auto codes =
        EncodeGameText(DecodeGameText({record.message.begin(), record.message.end()}), 16);
    std::copy(codes.begin(), codes.end(), result.message.begin());
    for (int j = 0; j < 4; ++j) {
        result.enemyId[j] = viaHex(record.enemyId[j]);
        result.enemyPos[j] = viaPosition(record.enemyPos[j]);
    }
    return result;
}

} // namespace

TEST_F(ScreenRecordTest, RecordOffsetsCoverTheTable) {
    EXPECT_EQ(region::ScreenRecordOffset(1), 8215);
    EXPECT_EQ(region::ScreenRecordOffset(128) + region::kRecordSize - 1, 17942);
    EXPECT_EQ(region::GameAddress(region::ScreenRecordOffset(1)), 0xA007);
}

TEST_F(ScreenRecordTest, FieldsAreReadInRecordOrderAfterOneSeek) {
    const auto bytes = ReadFileBytes(path_);
    const std::int32_t at = region::ScreenRecordOffset(5);
    std::vector<RomAccess> accesses;
    image_.setObserver([&accesses](const RomAccess& access) { accesses.push_back(access); });
    image_.Open();
    const ScreenRecord record = ReadScreenRecord(image_, at);
    image_.Close();

    ASSERT_EQ(accesses.size(), 1u + 1u + 76u + 1u);
    EXPECT_EQ(accesses[1], (RomAccess{RomAccess::Kind::Seek, at}));
    for (int i = 0; i < 76; ++i) {
        EXPECT_EQ(accesses[2 + i], (RomAccess{RomAccess::Kind::Read, at + i}));
    }
    EXPECT_EQ(record.tiles[0], bytes[at]);
    EXPECT_EQ(record.tiles[47], bytes[at + 47]);
    EXPECT_EQ(record.itemId, bytes[at + 48]);
    EXPECT_EQ(record.itemPos, bytes[at + 49]);
    EXPECT_EQ(record.message[0], bytes[at + 50]);
    EXPECT_EQ(record.enemyId[0], bytes[at + 66]);
    EXPECT_EQ(record.enemyPos[3], bytes[at + 73]);
    EXPECT_EQ(record.palette1, bytes[at + 74]);
    EXPECT_EQ(record.palette2, bytes[at + 75]);
}

TEST_F(ScreenRecordTest, WritingARecordTouchesItsBytesAndNoOthers) {
    const auto before = ReadFileBytes(path_);
    ScreenRecord record;
    record.tiles.fill(0xEE);
    record.itemId = 1;
    record.itemPos = 2;
    record.message.fill(0x41);
    record.enemyId = {3, 4, 5, 6};
    record.enemyPos = {7, 8, 9, 10};
    record.palette1 = 11;
    record.palette2 = 12;
    const std::int32_t at = region::ScreenRecordOffset(77);
    image_.Open();
    WriteScreenRecord(image_, at, record);
    image_.Close();

    const auto after = ReadFileBytes(path_);
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < after.size(); ++i) {
        const bool inRecord = i >= std::size_t(at) && i < std::size_t(at + 76);
        if (!inRecord) {
            ASSERT_EQ(after[i], before[i]) << "byte " << i;
        }
    }
    image_.Open();
    EXPECT_EQ(ReadScreenRecord(image_, at), record);
    image_.Close();
}

TEST_F(ScreenRecordTest, EveryRecordSurvivesTheTripThroughTheWindowTexts) {
    const auto before = ReadFileBytes(path_);
    std::vector<std::size_t> unsetPositions;
    image_.Open();
    for (std::int32_t screen = 1; screen <= region::kScreenCount; ++screen) {
        const std::int32_t at = region::ScreenRecordOffset(screen);
        const ScreenRecord record = ReadScreenRecord(image_, at);
        if (record.itemPos == 255) {
            unsetPositions.push_back(at + 49);
        }
        for (int j = 0; j < 4; ++j) {
            if (record.enemyPos[j] == 255) {
                unsetPositions.push_back(at + 70 + j);
            }
        }
        WriteScreenRecord(image_, at, ThroughWindowTexts(record));
    }
    image_.Close();

    auto expected = before;
    for (const std::size_t offset : unsetPositions) {
        expected[offset] = 0;
    }
    EXPECT_GE(unsetPositions.size(), 2u);
    EXPECT_EQ(ReadFileBytes(path_), expected);
}
