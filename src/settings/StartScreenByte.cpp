#include "settings/StartScreenByte.h"

namespace {
constexpr std::int32_t kFirstScreenAtZero = 39;
constexpr std::uint8_t kFirstWrappedByte = 218;  // screen 1
constexpr std::uint8_t kPastLastScreenByte = 90; // after screen 128
} // namespace

std::uint8_t EncodeStartScreen(std::int32_t screen) {
    return static_cast<std::uint8_t>((screen - kFirstScreenAtZero) & 0xFF);
}

std::optional<std::int32_t> DecodeStartScreen(std::uint8_t byte) {
    if (byte < kPastLastScreenByte) {
        return byte + kFirstScreenAtZero;
    }
    if (byte >= kFirstWrappedByte) {
        return byte - kFirstWrappedByte + 1;
    }
    return std::nullopt;
}
