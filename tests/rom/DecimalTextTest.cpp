#include "rom/DecimalText.h"

#include "rom/EditorError.h"

#include <gtest/gtest.h>

TEST(DecimalText, ConvertsSignedDecimalNumbers) {
    EXPECT_EQ(DecimalTextToInt("0"), 0);
    EXPECT_EQ(DecimalTextToInt("007"), 7);
    EXPECT_EQ(DecimalTextToInt("999"), 999);
    EXPECT_EQ(DecimalTextToInt("-5"), -5);
    EXPECT_EQ(DecimalTextToInt("+12"), 12);
    EXPECT_EQ(DecimalTextToInt("2147483647"), 2147483647);
}

TEST(DecimalText, RejectsAnythingElseWithTheFieldText) {
    for (const char* text : {"", "abc", "1a", " 1", "1 ", "-", "2147483648", "0x10", "1.5"}) {
        try {
            DecimalTextToInt(text);
            ADD_FAILURE() << "accepted \"" << text << '"';
        } catch (const EditorError& error) {
            EXPECT_EQ(std::string(error.what()),
                      "'" + std::string(text) + "' is not a valid integer value");
        }
    }
}
