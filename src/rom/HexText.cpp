#include "rom/HexText.h"

#include <string_view>

namespace {
constexpr std::string_view kDigits = "0123456789ABCDEF";
}

std::string IntToHexText(std::int32_t value) {
    if (value <= 0) {
        return "0";
    }
    auto remaining = static_cast<std::uint32_t>(value);
    std::string text;
    while (remaining != 0) {
        text.insert(text.begin(), kDigits[remaining & 0xF]);
        remaining >>= 4;
    }
    return text;
}

int HexDigitValue(char ch) {
    const auto index = kDigits.find(ch);
    return index == std::string_view::npos ? 0 : static_cast<int>(index);
}

std::int32_t HexTextToInt(const std::string& text) {
    std::uint32_t result = 0;
    bool invalid = false;
    const std::size_t length = text.size();
    for (std::size_t i = 0; i < length; ++i) {
        char ch = text[i];
        if (ch >= 'a' && ch <= 'z') {
            ch = static_cast<char>(ch - 'a' + 'A');
        }
        const bool digit = (ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'F');
        invalid = invalid || !digit;
        const auto shift = static_cast<unsigned>((4 * (length - 1 - i)) % 32);
        result += static_cast<std::uint32_t>(HexDigitValue(ch)) << shift;
    }
    return invalid ? 0 : static_cast<std::int32_t>(result);
}
