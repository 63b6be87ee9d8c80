#include "rom/HexText.h"

#include <gtest/gtest.h>
#include <utility>

TEST(HexText, IntToHexTextHasNoLeadingZerosAndUpperCase) {
    const std::pair<std::int32_t, const char*> cases[] = {
        {0, "0"},     {9, "9"},        {10, "A"},       {15, "F"},
        {16, "10"},   {26, "1A"},      {175, "AF"},     {255, "FF"},
        {256, "100"}, {40891, "9FBB"}, {50686, "C5FE"}, {268435455, "FFFFFFF"}};
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(IntToHexText(value), text) << value;
    }
}

TEST(HexText, HexTextToIntAcceptsEitherCaseAndGivesZeroForInvalidText) {
    const std::pair<const char*, std::int32_t> cases[] = {
        {"", 0},          {"0", 0},
        {"ff", 255},      {"Ff", 255},
        {"9FBB", 40891},  {"0A", 10},
        {"G1", 0},        {" 1", 0},
        {"-1", 0},        {"$10", 0},
        {"FFFFFFFF", -1}, {"100000000", 1},
        {"1F", 31},       {"7fffffff", 2147483647}};
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(HexTextToInt(text), value) << '"' << text << '"';
    }
}

TEST(HexText, HexDigitValueFindsUpperCaseDigitsOnly) {
    EXPECT_EQ(HexDigitValue('7'), 7);
    EXPECT_EQ(HexDigitValue('E'), 14);
    EXPECT_EQ(HexDigitValue('e'), 0);
    EXPECT_EQ(HexDigitValue('G'), 0);
}

TEST(HexText, RoundTripsOverTheWholeDomain) {
    for (std::int32_t value = 0; value <= 0xFFFF; ++value) {
        ASSERT_EQ(HexTextToInt(IntToHexText(value)), value);
    }
    for (std::int64_t value = 0x10000; value <= 268435455; value += 65521) {
        const auto v = static_cast<std::int32_t>(value);
        ASSERT_EQ(HexTextToInt(IntToHexText(v)), v);
    }
    EXPECT_EQ(HexTextToInt(IntToHexText(268435455)), 268435455);
}
