// The start and end screen fields step and clamp their numbers by the same few
// rules; the end screen alone keeps 0, which means "no end screen".
#pragma once

#include "rom/RegionMap.h"

#include <cstdint>

// "<" never wraps: at the first screen, or below it, the field shows the first
// screen. No upper bound is applied, so 999 steps down to 998.
constexpr std::int32_t ScreenStepDown(std::int32_t value) {
    return value <= 1 ? 1 : value - 1;
}

constexpr std::int32_t ScreenStepUp(std::int32_t value) {
    return value >= region::kScreenCount ? region::kScreenCount : value + 1;
}

constexpr std::int32_t ClampToScreen(std::int32_t value) {
    if (value > region::kScreenCount) {
        return region::kScreenCount;
    }
    return value < 1 ? 1 : value;
}

// 0 survives: it is the "no end screen" value that Save answers with a message.
constexpr std::int32_t ClampToEndScreen(std::int32_t value) {
    if (value > region::kScreenCount) {
        return region::kScreenCount;
    }
    return value < 0 ? 1 : value;
}
