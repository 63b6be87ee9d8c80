#include "ui/PictureBox.h"

#include "rom/EditorError.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QImage solid(QColor colour, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QColor shownAt(PictureBox& box, int x, int y) {
    return box.grab().toImage().pixelColor(x, y);
}

} // namespace

TEST(PictureBox, UnscaledDrawsFromTopLeftAtOwnSize) {
    PictureBox box;
    box.resize(8, 8);
    box.setPicture(solid(Qt::red, 2, 2));
    EXPECT_EQ(shownAt(box, 1, 1), QColor(Qt::red));
    EXPECT_NE(shownAt(box, 5, 5), QColor(Qt::red));
}

TEST(PictureBox, ScaledFillsTheBox) {
    PictureBox box(nullptr, true);
    box.resize(16, 16);
    box.setPicture(solid(Qt::red, 2, 2));
    EXPECT_EQ(shownAt(box, 15, 15), QColor(Qt::red));
    box.setScaled(false);
    EXPECT_NE(shownAt(box, 15, 15), QColor(Qt::red));
}

TEST(PictureBox, FailedLoadKeepsTheOldPicture) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(solid(Qt::green, 4, 3).save(dir.filePath("pic.bmp"), "BMP"));
    const QString start = QDir::currentPath();
    QDir::setCurrent(dir.path());
    PictureBox box;
    box.loadPicture("PIC.bmp");
    EXPECT_EQ(box.picture().size(), QSize(4, 3));
    EXPECT_THROW(box.loadPicture("items/1.bmp"), EditorError);
    EXPECT_EQ(box.picture().size(), QSize(4, 3));
    EXPECT_EQ(box.picture().pixelColor(0, 0), QColor(Qt::green));
    QDir::setCurrent(start);
}

TEST(PictureBox, LeftClickIsReportedAndFocusNeverTaken) {
    PictureBox box;
    box.resize(32, 32);
    QSignalSpy clicks(&box, &PictureBox::clicked);
    QTest::mouseClick(&box, Qt::LeftButton);
    QTest::mouseClick(&box, Qt::RightButton);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(box.focusPolicy(), Qt::NoFocus);
}
