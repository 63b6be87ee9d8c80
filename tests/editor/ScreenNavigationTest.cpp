#include "EditorWindowTest.h"

#include <QTest>

namespace {

class ScreenNavigationTest : public EditorWindowTest {
protected:
    void SetUp() override { makeWindow(); }

    QLineEdit* edit1() const { return control<QLineEdit>("Edit1"); }
    void moveMouseOverEdit1() const {
        QTest::mouseMove(control("Button2"));
        QTest::mouseMove(edit1());
    }
};

} // namespace

TEST_F(ScreenNavigationTest, OnlyDigitsReachTheScreenNumber) {
    window_->show();
    edit1()->setFocus();
    edit1()->setText("5");
    edit1()->end(false);
    QTest::keyClicks(edit1(), "a-+ ");
    QTest::keyClick(edit1(), Qt::Key_Backspace);
    EXPECT_EQ(edit1()->text(), "5");
    QTest::keyClick(edit1(), Qt::Key_Home);
    QTest::keyClick(edit1(), Qt::Key_Delete);
    EXPECT_EQ(edit1()->text(), "");
    EXPECT_TRUE(dialogs_.messages.isEmpty());
}

TEST_F(ScreenNavigationTest, TheFieldIsClampedOnlyWhenAKeyGoesDownOrTheMouseMoves) {
    window_->show();
    edit1()->setFocus();
    edit1()->selectAll();
    QTest::keyClicks(edit1(), "999");
    EXPECT_EQ(edit1()->text(), "999");
    moveMouseOverEdit1();
    EXPECT_EQ(edit1()->text(), "128");

    edit1()->setText("0");
    edit1()->end(false);
    QTest::keyClick(edit1(), Qt::Key_Left);
    EXPECT_EQ(edit1()->text(), "1");
    EXPECT_TRUE(dialogs_.messages.isEmpty());
}

TEST_F(ScreenNavigationTest, AnEmptyFieldReportsAtEveryClampAndStillTakesADigit) {
    window_->show();
    edit1()->setFocus();
    edit1()->clear();
    moveMouseOverEdit1();
    EXPECT_EQ(dialogs_.messages, QStringList{"'' is not a valid integer value."});
    QTest::keyClick(edit1(), Qt::Key_7);
    EXPECT_EQ(dialogs_.messages.size(), 2);
    EXPECT_EQ(edit1()->text(), "7");
}
