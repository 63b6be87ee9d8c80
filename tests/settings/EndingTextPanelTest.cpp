#include "settings/EndingTextPanel.h"

#include "ReadOnlyFile.h"
#include "SettingsPanelFixture.h"
#include "rom/GameText.h"
#include "rom/RegionMap.h"

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>

namespace {

using Bytes = std::vector<std::uint8_t>;

class EndingTextPanelTest : public SettingsPanelFixture {
protected:
    // What a screen load does with the ending text on disk.
    void loadEndingText() {
        const Bytes bytes = imageBytes();
        endingText.Clear();
        for (int i = 0; i < region::kEndingTextLength; ++i) {
            endingText.AppendCode(bytes[region::kEndingText + i]);
        }
    }
    void writeEndingText(const Bytes& codes) {
        Bytes bytes = imageBytes();
        std::copy(codes.begin(), codes.end(), bytes.begin() + region::kEndingText);
        WriteFileBytes(imagePath(), bytes);
    }
    Bytes endingTextOnDisk() const {
        const Bytes bytes = imageBytes();
        return Bytes(bytes.begin() + region::kEndingText,
                     bytes.begin() + region::kEndingText + region::kEndingTextLength);
    }
    // Typing goes to the focused box of a shown panel, as the user's keys do.
    void focusMemo() {
        showPanel();
        memo1->setFocus();
        memo1->moveCursor(QTextCursor::End);
    }

    EndingTextPanel endingText{context};
    QPlainTextEdit* memo1 = control<QPlainTextEdit>("Memo1");
};

} // namespace

TEST_F(EndingTextPanelTest, BoxAndButtonStandAtTheirPlaces) {
    EXPECT_EQ(memo1->toPlainText(), "Memo1");
    EXPECT_EQ(memo1->geometry(), QRect(624, 454, 191, 51));
    EXPECT_EQ(memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(memo1->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_EQ(memo1->toolTip(), "0123456789:&,.!?@ABCDEFGHIJKLMNOPQRSTUVWXYZ\"'+-");
    QPushButton* button41 = control<QPushButton>("Button41");
    EXPECT_EQ(button41->text(), "Save Ending text");
    EXPECT_EQ(button41->geometry(), QRect(624, 508, 190, 25));
    EXPECT_FALSE(button41->isEnabled());

    endingText.ShowInstructionText();
    EXPECT_EQ(memo1->toPlainText(),
              "Ending text: 32 symbols in line. If End screen number = 0, then game never ends!");
}

TEST_F(EndingTextPanelTest, FullBlockLoadsAndSavesUnchanged) {
    writeEndingText(Bytes(116, 0x41));
    loadEndingText();
    EXPECT_EQ(memo1->toPlainText(), QString(116, u'A'));
    const Bytes before = imageBytes();
    click("Button41");
    EXPECT_EQ(imageBytes(), before);
    EXPECT_FALSE(state.image.isOpen());

    writeEndingText({0x00, 0x48, 0x49, 0x3B, 0x5B});
    loadEndingText();
    EXPECT_TRUE(memo1->toPlainText().startsWith(" HI&\"A"));

    // The demo's text has blanks and punctuation; the load replaces the old text.
    demo::WriteDemoImage(imagePath().string());
    loadEndingText();
    EXPECT_EQ(memo1->toPlainText(),
              QString::fromLatin1(demo::kEndingText).leftJustified(116, u' '));
    const Bytes demo = imageBytes();
    click("Button41");
    EXPECT_EQ(imageBytes(), demo);
}

TEST_F(EndingTextPanelTest, ShortTextSavesPaddedWithBlanks) {
    const Bytes before = imageBytes();
    for (const char* text : {"HELLO", ""}) {
        memo1->setPlainText(text);
        click("Button41");
        const auto codes = EncodeGameText(QString(text).toStdU32String(), 116);
        Bytes expected = before;
        std::copy(codes.begin(), codes.end(), expected.begin() + region::kEndingText);
        EXPECT_EQ(imageBytes(), expected) << text;
        EXPECT_EQ(memo1->toPlainText(), text);
    }
    EXPECT_EQ(endingTextOnDisk()[0], 0x00);
    memo1->setPlainText("HELLO");
    click("Button41");
    Bytes hello{0x48, 0x45, 0x4C, 0x4C, 0x4F};
    hello.resize(116, 0x00);
    EXPECT_EQ(endingTextOnDisk(), hello);
}

TEST_F(EndingTextPanelTest, EnterAddsNothing) {
    focusMemo();
    memo1->clear();
    QTest::keyClicks(memo1, "AB");
    QTest::keyClick(memo1, Qt::Key_Return);
    QTest::keyClick(memo1, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(memo1, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClick(memo1, Qt::Key_Return, Qt::ControlModifier);
    QTest::keyClicks(memo1, "c ");
    QTest::keyClick(memo1, Qt::Key_Backspace);
    EXPECT_EQ(memo1->toPlainText(), "ABc");
}

TEST_F(EndingTextPanelTest, InputStopsAt116CharactersTypedOrPasted) {
    focusMemo();
    memo1->setPlainText(QString(110, u'A'));
    memo1->moveCursor(QTextCursor::End);
    QTest::keyClicks(memo1, "BCDEFGHI");
    EXPECT_EQ(memo1->toPlainText(), QString(110, u'A') + "BCDEFG");

    // A selection makes room for what replaces it.
    memo1->moveCursor(QTextCursor::Start);
    memo1->moveCursor(QTextCursor::Right, QTextCursor::KeepAnchor);
    memo1->moveCursor(QTextCursor::Right, QTextCursor::KeepAnchor);
    QTest::keyClicks(memo1, "XYZ");
    EXPECT_EQ(memo1->toPlainText(), "XY" + QString(108, u'A') + "BCDEFG");

    QApplication::clipboard()->setText("0123456789");
    memo1->setPlainText(QString(100, u'A'));
    memo1->moveCursor(QTextCursor::Start);
    QTest::keyClick(memo1, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(memo1->toPlainText(), "0123456789" + QString(100, u'A'));
    memo1->paste();
    EXPECT_EQ(memo1->toPlainText(), "0123456789012345" + QString(100, u'A'));
    memo1->paste();
    EXPECT_EQ(memo1->toPlainText().size(), 116);

    // The program's own writes are not the user's input.
    loadEndingText();
    endingText.AppendCode(0x41);
    EXPECT_EQ(memo1->toPlainText().size(), 117);
}

TEST_F(EndingTextPanelTest, ImageThatCannotBeOpenedIsReportedAndLeftAlone) {
    memo1->setPlainText("HELLO");
    const Bytes before = imageBytes();
    {
        ReadOnlyFile readOnly(imagePath());
        if (readOnly.denied()) {
            click("Button41");
            EXPECT_EQ(dialogs.messages, QStringList({"File access denied."}));
        }
    }
    EXPECT_EQ(imageBytes(), before);

    state.image.setPath(folder.file("missing.nes").string());
    click("Button41");
    EXPECT_EQ(dialogs.messages.last(), "File not found.");
    EXPECT_FALSE(std::filesystem::exists(folder.file("missing.nes")));
    EXPECT_FALSE(state.image.isOpen());
}
