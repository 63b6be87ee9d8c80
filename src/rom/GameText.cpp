#include "rom/GameText.h"

#include <string_view>

namespace {

constexpr std::uint8_t kSpaceCode = 0x00;
constexpr std::uint8_t kFirstCode = 0x30;
// Codes 0x30..0x5E in order.
constexpr std::u32string_view kCharacters = U"0123456789:&,.!?@ABCDEFGHIJKLMNOPQRSTUVWXYZ\"'+-";

bool IsTableCode(std::uint8_t code) {
    return code >= kFirstCode && code < kFirstCode + kCharacters.size();
}

std::uint8_t CodeOf(char32_t ch) {
    if (ch == U' ') {
        return kSpaceCode;
    }
    if (ch >= U'a' && ch <= U'z') {
        ch = ch - U'a' + U'A';
    }
    const auto index = kCharacters.find(ch);
    if (index != std::u32string_view::npos) {
        return static_cast<std::uint8_t>(kFirstCode + index);
    }
    if (ch >= kUnknownCodeBase && ch <= kUnknownCodeBase + 0xFF) {
        return static_cast<std::uint8_t>(ch - kUnknownCodeBase);
    }
    return kSpaceCode;
}

} // namespace

std::u32string DecodeGameText(const std::vector<std::uint8_t>& codes) {
    std::u32string text;
    text.reserve(codes.size());
    for (const std::uint8_t code : codes) {
        if (code == kSpaceCode) {
            text += U' ';
        } else if (IsTableCode(code)) {
            text += kCharacters[code - kFirstCode];
        } else {
            text += static_cast<char32_t>(kUnknownCodeBase + code);
        }
    }
    return text;
}

std::vector<std::uint8_t> EncodeGameText(const std::u32string& text, std::size_t count) {
    std::vector<std::uint8_t> codes(count, kSpaceCode);
    for (std::size_t i = 0; i < count && i < text.size(); ++i) {
        codes[i] = CodeOf(text[i]);
    }
    return codes;
}

std::u32string GameCharacterList() {
    return std::u32string(kCharacters);
}
