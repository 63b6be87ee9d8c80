#include "objects/ItemIdRule.h"

bool ItemIdAllowsSaving(std::int32_t itemId) {
    constexpr std::int32_t kFirstUnsavableId = 21;
    return itemId < kFirstUnsavableId;
}
