// Which item ids the editor can name and pick, and which it lets the user save: the game knows
// twelve items, and a screen whose id lies past 20 is kept from being written back.
#pragma once

#include <cstdint>

// The item picker steps within 0..11; these are the ids with a name.
inline constexpr int kLastNamedItem = 11;

bool ItemIdAllowsSaving(std::int32_t itemId);
