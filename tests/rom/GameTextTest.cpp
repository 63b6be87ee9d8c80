#include "rom/GameText.h"

#include <gtest/gtest.h>

using Codes = std::vector<std::uint8_t>;

TEST(GameText, TableCharactersAndCodesAreInverse) {
    const std::u32string list = GameCharacterList();
    ASSERT_EQ(list.size(), 47u);
    EXPECT_EQ(list, U"0123456789:&,.!?@ABCDEFGHIJKLMNOPQRSTUVWXYZ\"'+-");
    Codes codes;
    for (int code = 0x30; code <= 0x5E; ++code) {
        codes.push_back(static_cast<std::uint8_t>(code));
    }
    EXPECT_EQ(DecodeGameText(codes), list);
    EXPECT_EQ(EncodeGameText(list, 47), codes);
}

TEST(GameText, PunctuationHasTheGamesOwnCodes) {
    const std::pair<char32_t, std::uint8_t> cases[] = {
        {U' ', 0x00}, {U'&', 0x3B},  {U',', 0x3C}, {U'.', 0x3D}, {U'!', 0x3E},
        {U'"', 0x5B}, {U'\'', 0x5C}, {U'+', 0x5D}, {U'-', 0x5E}, {U'@', 0x40}};
    for (const auto& [ch, code] : cases) {
        EXPECT_EQ(EncodeGameText(std::u32string(1, ch), 1), Codes{code}) << int(code);
        EXPECT_EQ(DecodeGameText({code}), std::u32string(1, ch));
    }
}

TEST(GameText, ShortTextIsPaddedWithSpaceCodes) {
    const Codes hello{0x48, 0x45, 0x4C, 0x4C, 0x4F, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(DecodeGameText(hello), U"HELLO           ");
    EXPECT_EQ(EncodeGameText(U"HELLO", 16), hello);
    EXPECT_EQ(EncodeGameText(U"                ", 16), Codes(16, 0x00));
    EXPECT_EQ(EncodeGameText(U"", 116), Codes(116, 0x00));
    EXPECT_EQ(EncodeGameText(U"ABCDEFGHIJKLMNOPQRS", 16).size(), 16u);
}

TEST(GameText, LowerCaseStoresUpperCaseAndUnshowableCharactersStoreSpaces) {
    EXPECT_EQ(EncodeGameText(U"hello", 5), (Codes{0x48, 0x45, 0x4C, 0x4C, 0x4F}));
    EXPECT_EQ(EncodeGameText(U";<=>[\\]^\n\u0416", 10), Codes(10, 0x00));
}

TEST(GameText, EveryCodeOutsideTheTableSurvivesDecodeAndEncode) {
    Codes all;
    for (int code = 0; code <= 0xFF; ++code) {
        all.push_back(static_cast<std::uint8_t>(code));
    }
    const std::u32string text = DecodeGameText(all);
    EXPECT_EQ(text[0x20], kUnknownCodeBase + 0x20);
    EXPECT_EQ(text[0x61], kUnknownCodeBase + 0x61);
    EXPECT_EQ(EncodeGameText(text, all.size()), all);
}
