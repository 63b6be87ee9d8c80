#include "ui/DialogFilter.h"

#include <gtest/gtest.h>

TEST(DialogFilter, ConvertsPipePairsToQtEntries) {
    const struct {
        const char* pipe;
        const char* qt;
    } cases[] = {
        {"Any file (*.*)|*.*", "Any file (*)"},
        {"Dunmora.nes (*.nes)|*.nes", "Dunmora.nes (*.nes)"},
        {"Map file (*.map)|*.map|Any file (*.*)|*.*", "Map file (*.map);;Any file (*)"},
        {"Pictures|*.bmp;*.dib", "Pictures (*.bmp *.dib)"},
        {"", ""},
        {"Dangling", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(QtFileFilter(QString::fromUtf8(c.pipe)), QString::fromUtf8(c.qt)) << c.pipe;
    }
}
