#include "ui/SpinButton.h"

#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

TEST(SpinButton, UpArrowAboveDownArrowFillingTheWidget) {
    SpinButton spin;
    spin.resize(49, 25);
    spin.show();
    EXPECT_EQ(spin.upButton()->geometry(), QRect(0, 0, 49, 12));
    EXPECT_EQ(spin.downButton()->geometry(), QRect(0, 12, 49, 13));
    EXPECT_EQ(spin.upButton()->arrowType(), Qt::UpArrow);
    EXPECT_EQ(spin.downButton()->arrowType(), Qt::DownArrow);
}

TEST(SpinButton, HeldArrowsRepeatAfter400ThenEvery100Milliseconds) {
    SpinButton spin;
    for (QToolButton* arrow : {spin.upButton(), spin.downButton()}) {
        EXPECT_TRUE(arrow->autoRepeat());
        EXPECT_EQ(arrow->autoRepeatDelay(), 400);
        EXPECT_EQ(arrow->autoRepeatInterval(), 100);
        EXPECT_EQ(arrow->focusPolicy(), Qt::NoFocus);
    }
    EXPECT_EQ(spin.focusPolicy(), Qt::StrongFocus);
}

TEST(SpinButton, ArrowClicksAndArrowKeysGiveOneClickEach) {
    SpinButton spin;
    spin.resize(49, 25);
    spin.show();
    QSignalSpy up(&spin, &SpinButton::upClicked);
    QSignalSpy down(&spin, &SpinButton::downClicked);
    QTest::mouseClick(spin.upButton(), Qt::LeftButton);
    EXPECT_EQ(up.count(), 1);
    EXPECT_EQ(down.count(), 0);
    QTest::mouseClick(spin.downButton(), Qt::LeftButton);
    EXPECT_EQ(down.count(), 1);
    QTest::keyClick(&spin, Qt::Key_Up);
    QTest::keyClick(&spin, Qt::Key_Up);
    QTest::keyClick(&spin, Qt::Key_Down);
    QTest::keyClick(&spin, Qt::Key_Left);
    EXPECT_EQ(up.count(), 3);
    EXPECT_EQ(down.count(), 2);
}
