#include "editor/TilePicture.h"

#include <gtest/gtest.h>

TEST(TilePicture, PathIsTheCodesHexTextWithoutLeadingZeros) {
    const std::pair<std::int32_t, const char*> cases[] = {
        {0, "graph/0.bmp"},   {9, "graph/9.bmp"},    {10, "graph/A.bmp"},
        {16, "graph/10.bmp"}, {175, "graph/AF.bmp"}, {176, "graph/B0.bmp"},
    };
    for (const auto& [code, path] : cases) {
        EXPECT_EQ(TilePicturePath(code), path) << code;
    }
}
