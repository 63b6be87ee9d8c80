#include "rom/ScreenRecord.h"

#include "rom/RegionMap.h"
#include "rom/RomImage.h"

namespace {

// Visits the fields in file order, so reading and writing cannot disagree.
template <typename Record, typename Transfer>
void ForEachByte(Record& record, Transfer&& transfer) {
    for (auto& tile : record.tiles) {
        transfer(tile);
    }
    transfer(record.itemId);
    transfer(record.itemPos);
    for (auto& code : record.message) {
        transfer(code);
    }
    for (auto& id : record.enemyId) {
        transfer(id);
    }
    for (auto& position : record.enemyPos) {
        transfer(position);
    }
    transfer(record.palette1);
    transfer(record.palette2);
}

static_assert(ScreenRecord::kTileCount + 2 + ScreenRecord::kMessageLength +
                      2 * ScreenRecord::kEnemyCount + 2 ==
                  region::kRecordSize,
              "the record fields must cover the whole record");

} // namespace

ScreenRecord ReadScreenRecord(RomImage& image, std::int32_t recordOffset) {
    ScreenRecord record;
    image.Seek(recordOffset);
    ForEachByte(record, [&image](std::uint8_t& byte) { byte = image.ReadByte(); });
    return record;
}

void WriteScreenRecord(RomImage& image, std::int32_t recordOffset, const ScreenRecord& record) {
    image.Seek(recordOffset);
    ForEachByte(record, [&image](const std::uint8_t& byte) { image.WriteByte(byte); });
}
