#include "editor/TilePanel.h"

#include "ScriptedDialogs.h"
#include "StartDirectory.h"
#include "editor/EditorContext.h"
#include "editor/TilePicture.h"
#include "ui/ErrorGuard.h"
#include "ui/PictureBox.h"
#include "ui/PictureFile.h"

#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

QImage tilePicture(std::int32_t code) {
    return LoadBitmapPicture(QString::fromStdString(TilePicturePath(code)));
}

const QColor kRed(224, 32, 64);
const QColor kGreen(224, 0, 128);

// The panel as window creation leaves it before its pictures are loaded.
class TilePanelBuilt : public ::testing::Test {
protected:
    TilePanelBuilt() { panel.resize(825, 580); }

    PictureBox* frame(const char* name) const {
        return panel.findChild<PictureBox*>(QString::fromLatin1(name));
    }
    QPoint frameAt(const char* name) const { return frame(name)->pos(); }
    QColor shownAt(int x, int y) { return panel.grab().toImage().pixelColor(x, y); }
    void click(PictureBox* box) { QTest::mouseClick(box, Qt::LeftButton); }
    void clickClearScreen() { panel.findChild<QPushButton*>("Button10")->click(); }
    void removeTilePicture(std::int32_t code) {
        ASSERT_TRUE(std::filesystem::remove(start.file(TilePicturePath(code))));
    }

    StartDirectory start;
    QWidget panel;
    ScriptedDialogs dialogs;
    ErrorGuard guard{&panel, dialogs};
    EditorState state;
    EditorContext context{&panel, guard, dialogs, state};
    TilePanel tiles{context};
};

class TilePanelTest : public TilePanelBuilt {
protected:
    TilePanelTest() {
        tiles.HideFrames();
        tiles.ShowDefaultCells();
        tiles.FillTilePicker();
    }
};

TEST_F(TilePanelTest, StartsWithTileZeroInEveryCellAllTilesPickableFramesOutOfSight) {
    const QImage zero = tilePicture(0);
    for (int n = 1; n <= 48; ++n) {
        EXPECT_EQ(tiles.cell(n)->picture(), zero) << n;
        EXPECT_EQ(tiles.tileText(n), QString()) << n;
    }
    for (int k = 1; k <= 176; ++k) {
        EXPECT_EQ(tiles.picker(k)->picture(), tilePicture(k - 1)) << k;
    }
    EXPECT_EQ(frameAt("Red"), QPoint(-100, -100));
    EXPECT_EQ(frameAt("Green"), QPoint(-100, -100));
    EXPECT_EQ(tiles.selectedCell(), 0);

    const auto* grid = panel.findChild<QTableWidget*>("StringGrid1");
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->columnCount(), 48);
    EXPECT_EQ(grid->rowCount(), 1);
    EXPECT_TRUE(grid->isHidden());
    EXPECT_EQ(grid->focusPolicy(), Qt::NoFocus);
}

TEST_F(TilePanelBuilt, FramesAndClearButtonStandAtTheirDesignPlaces) {
    EXPECT_EQ(frame("Red")->geometry(), QRect(272, 192, 34, 34));
    EXPECT_EQ(frame("Green")->geometry(), QRect(272, 232, 34, 34));
    EXPECT_EQ(frame("Red")->picture().pixelColor(33, 33), kRed);
    EXPECT_EQ(frame("Green")->picture().pixelColor(0, 0), kGreen);
    const auto* clear = panel.findChild<QPushButton*>("Button10");
    EXPECT_EQ(clear->geometry(), QRect(287, 544, 66, 25));
    EXPECT_EQ(clear->text(), "Clear screen");
    EXPECT_TRUE(clear->isEnabled());
}

TEST_F(TilePanelTest, GridsFollowTheirNumberingRule) {
    EXPECT_EQ(tiles.cell(1)->geometry(), QRect(8, 8, 32, 32));
    EXPECT_EQ(tiles.cell(9)->geometry(), QRect(8, 41, 32, 32));
    EXPECT_EQ(tiles.cell(48)->geometry(), QRect(239, 173, 32, 32));
    EXPECT_EQ(tiles.picker(1)->geometry(), QRect(288, 8, 32, 32));
    EXPECT_EQ(tiles.picker(61)->geometry(), QRect(684, 107, 32, 32));
    EXPECT_EQ(tiles.picker(176)->geometry(), QRect(783, 338, 32, 32));
    EXPECT_FALSE(tiles.cell(1)->isScaled());
    EXPECT_FALSE(tiles.picker(176)->isScaled());
}

TEST_F(TilePanelTest, PickWithoutSelectedCellMovesOnlyTheGreenFrame) {
    const QImage zero = tilePicture(0);
    click(tiles.picker(61));
    EXPECT_EQ(frameAt("Green"), QPoint(683, 106));
    EXPECT_EQ(frameAt("Red"), QPoint(-100, -100));
    for (int n = 1; n <= 48; ++n) {
        EXPECT_EQ(tiles.cell(n)->picture(), zero) << n;
        EXPECT_EQ(tiles.tileText(n), QString()) << n;
    }
}

TEST_F(TilePanelTest, CellThenPickerPaintsTheCellAndFramesShowAsRims) {
    click(tiles.cell(9));
    EXPECT_EQ(tiles.selectedCell(), 9);
    EXPECT_EQ(frameAt("Red"), QPoint(7, 40));
    EXPECT_EQ(tiles.cell(9)->picture(), tilePicture(0));

    click(tiles.picker(61));
    EXPECT_EQ(tiles.cell(9)->picture(), tilePicture(0x3C));
    EXPECT_EQ(tiles.tileText(9), "3C");
    EXPECT_EQ(frameAt("Green"), QPoint(683, 106));
    EXPECT_EQ(tiles.selectedCell(), 9);

    // Only the one-pixel rim of each frame shows: the boxes lie over the rest.
    EXPECT_EQ(shownAt(7, 40), kRed);
    EXPECT_EQ(shownAt(40, 73), kRed);
    EXPECT_EQ(shownAt(8, 41), tilePicture(0x3C).pixelColor(0, 0));
    EXPECT_EQ(shownAt(683, 106), kGreen);
    EXPECT_EQ(shownAt(716, 139), kGreen);
    EXPECT_EQ(shownAt(684, 107), tilePicture(0x3C).pixelColor(0, 0));
}

TEST_F(TilePanelTest, RepeatedPicksRepaintTheSelectedCellWithThePickersOwnCode) {
    click(tiles.cell(48));
    const std::pair<int, const char*> picks[] = {{1, "0"}, {16, "F"}, {17, "10"}, {176, "AF"}};
    for (const auto& [k, text] : picks) {
        click(tiles.picker(k));
        EXPECT_EQ(tiles.tileText(48), text) << k;
        EXPECT_EQ(tiles.cell(48)->picture(), tilePicture(k - 1)) << k;
    }
    EXPECT_EQ(tiles.tileText(47), QString());

    click(tiles.cell(48));
    EXPECT_EQ(tiles.tileText(48), "AF");
    EXPECT_EQ(frameAt("Red"), QPoint(238, 172));
}

TEST_F(TilePanelTest, PickCopiesThePickersPictureWithoutReadingTheFile) {
    click(tiles.cell(3));
    removeTilePicture(0x3C);
    click(tiles.picker(61));
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(tiles.cell(3)->picture(), tiles.picker(61)->picture());
    EXPECT_FALSE(tiles.cell(3)->picture().isNull());
}

TEST_F(TilePanelTest, ShowTileCodeLoadsThePictureThenRecordsTheCode) {
    tiles.ShowTileCode(5, 0xAF);
    EXPECT_EQ(tiles.cell(5)->picture(), tilePicture(0xAF));
    EXPECT_EQ(tiles.tileText(5), "AF");

    EXPECT_FALSE(guard.run([&] { tiles.ShowTileCode(5, 0xB0); }));
    EXPECT_EQ(dialogs.messages, QStringList{"Cannot open file graph/B0.bmp."});
    EXPECT_EQ(tiles.cell(5)->picture(), tilePicture(0xAF));
    EXPECT_EQ(tiles.tileText(5), "AF");
}

TEST_F(TilePanelBuilt, MissingPickerPictureStopsTheFillButThePickerStillGivesItsCode) {
    removeTilePicture(0x3C);
    EXPECT_FALSE(guard.run([&] {
        tiles.HideFrames();
        tiles.ShowDefaultCells();
        tiles.FillTilePicker();
    }));
    EXPECT_EQ(dialogs.messages, QStringList{"Cannot open file graph/3C.bmp."});
    EXPECT_EQ(tiles.picker(60)->picture(), tilePicture(0x3B));
    EXPECT_TRUE(tiles.picker(61)->picture().isNull());
    EXPECT_TRUE(tiles.picker(176)->picture().isNull());

    click(tiles.cell(9));
    click(tiles.picker(61));
    EXPECT_TRUE(tiles.cell(9)->picture().isNull());
    EXPECT_EQ(tiles.tileText(9), "3C");
    EXPECT_EQ(dialogs.messages.size(), 1);
}

TEST_F(TilePanelTest, ClearScreenRecordsZeroEverywhereAndKeepsSelectionAndFrames) {
    click(tiles.cell(9));
    click(tiles.picker(61));
    tiles.ShowTileCode(48, 0xAF);
    clickClearScreen();
    const QImage zero = tilePicture(0);
    for (int n = 1; n <= 48; ++n) {
        EXPECT_EQ(tiles.cell(n)->picture(), zero) << n;
        EXPECT_EQ(tiles.tileText(n), "0") << n;
    }
    EXPECT_EQ(tiles.selectedCell(), 9);
    EXPECT_EQ(frameAt("Red"), QPoint(7, 40));
    EXPECT_EQ(frameAt("Green"), QPoint(683, 106));
    EXPECT_TRUE(dialogs.messages.isEmpty());

    click(tiles.picker(17));
    EXPECT_EQ(tiles.tileText(9), "10");
}

TEST_F(TilePanelTest, ClearScreenWithoutTileZeroPictureChangesNoCell) {
    tiles.ShowTileCode(1, 0x3C);
    removeTilePicture(0);
    clickClearScreen();
    EXPECT_EQ(dialogs.messages, QStringList{"Cannot open file graph/0.bmp."});
    EXPECT_EQ(tiles.cell(1)->picture(), tilePicture(0x3C));
    EXPECT_EQ(tiles.tileText(1), "3C");
    for (int n = 2; n <= 48; ++n) {
        EXPECT_EQ(tiles.tileText(n), QString()) << n;
    }
}

} // namespace
