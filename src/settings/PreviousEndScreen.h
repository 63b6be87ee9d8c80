// Saving an end screen clears the record that held the previous patch. A
// pointer that this editor did not write may name any offset, so the rule of
// which record may be cleared stands apart from the writer.
#pragma once

#include "rom/RegionMap.h"

#include <cstdint>

// Only the record of a real screen is ever cleared, and never the one that
// has just received the patch.
constexpr bool ShouldClearPreviousEndScreen(std::int32_t previousRecord, std::int32_t newRecord) {
    if (previousRecord == newRecord) {
        return false;
    }
    const std::int32_t distance = previousRecord - region::kRecordTableBase;
    if (distance % region::kRecordSize != 0) {
        return false;
    }
    const std::int32_t screen = distance / region::kRecordSize;
    return screen >= 1 && screen <= region::kScreenCount;
}
