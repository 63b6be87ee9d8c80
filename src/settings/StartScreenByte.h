// The start screen is kept in one byte as (screen - 39) mod 256; bytes 90..217
// name no screen.
#pragma once

#include <cstdint>
#include <optional>

std::uint8_t EncodeStartScreen(std::int32_t screen);
std::optional<std::int32_t> DecodeStartScreen(std::uint8_t byte);
