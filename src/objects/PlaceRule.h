// The game stands the item and the enemies on 16 x 12 places of 16 x 16 pixels, two places to
// a tile cell, while the editor draws its cells one pixel apart; one position byte names a
// place, and the bytes past the last place name none.
#pragma once

#include <cstdint>
#include <optional>

struct MarkerPoint {
    int left;
    int top;
    bool operator==(const MarkerPoint&) const = default;
};

inline constexpr int kPlaceColumns = 16;
inline constexpr std::int32_t kLastPlace = 191;
// What the game stores for an object that was never placed.
inline constexpr std::int32_t kUnsetPosition = 255;
inline constexpr MarkerPoint kTopLeftPlace{8, 8};

// The marker coordinate of place column or row k.
int MarkerCoordinate(int index);
// Where the marker of a position stands; nothing for a value that names no place.
std::optional<MarkerPoint> MarkerPointOf(std::int32_t position);
// A position field's value brought into 0..191.
std::int32_t ClampedPosition(std::int32_t value);
