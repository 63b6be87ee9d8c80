#include "objects/PlaceRule.h"

int MarkerCoordinate(int index) {
    constexpr int kOrigin = 8;
    constexpr int kCellStride = 33;
    constexpr int kPlaceSize = 16;
    return kOrigin + kCellStride * (index / 2) + kPlaceSize * (index % 2);
}

std::optional<MarkerPoint> MarkerPointOf(std::int32_t position) {
    if (position < 0 || position > kLastPlace) {
        return std::nullopt;
    }
    return MarkerPoint{MarkerCoordinate(position % kPlaceColumns),
                       MarkerCoordinate(position / kPlaceColumns)};
}

std::int32_t ClampedPosition(std::int32_t value) {
    if (value > kLastPlace) {
        return kLastPlace;
    }
    if (value < 0) {
        return 0;
    }
    return value;
}
