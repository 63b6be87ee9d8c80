#include "settings/StartScreenPanel.h"

#include "SettingsPanelFixture.h"
#include "rom/RegionMap.h"

#include <QLabel>

namespace {

class StartScreenPanelTest : public SettingsPanelFixture {
protected:
    StartScreenPanel startScreen{context};
    QLineEdit* startscreen = startScreen.field();
};

} // namespace

TEST_F(StartScreenPanelTest, ControlsStandAtTheirPlacesWithButtonsDisabled) {
    EXPECT_EQ(startscreen->objectName(), "Startscreen");
    EXPECT_EQ(startscreen->text(), "55");
    EXPECT_EQ(startscreen->geometry(), QRect(743, 384, 41, 21));
    EXPECT_EQ(startscreen->maxLength(), 3);
    EXPECT_EQ(control<QLabel>("Label16")->text(), "    Start screen");
    EXPECT_EQ(control<QLabel>("Label16")->pos(), QPoint(716, 370));
    const struct {
        const char* name;
        const char* text;
        QRect geometry;
    } buttons[] = {{"Button37", "Save", {624, 384, 83, 25}},
                   {"Button35", "<", {712, 384, 25, 25}},
                   {"Button36", ">", {790, 384, 25, 25}}};
    for (const auto& b : buttons) {
        QPushButton* button = control<QPushButton>(b.name);
        EXPECT_EQ(button->text(), b.text) << b.name;
        EXPECT_EQ(button->geometry(), b.geometry) << b.name;
        EXPECT_FALSE(button->isEnabled()) << b.name;
    }
}

TEST_F(StartScreenPanelTest, ByteDecodesToItsScreenOrLeavesTheText) {
    const struct {
        std::uint8_t byte;
        const char* shown;
    } cases[] = {{0x10, "55"}, {0x00, "39"}, {0xDA, "1"}, {0xFF, "38"}, {0x59, "128"}};
    for (const auto& c : cases) {
        startscreen->setText("77");
        startScreen.ShowStartScreenByte(c.byte);
        EXPECT_EQ(startscreen->text(), c.shown) << int(c.byte);
    }
    startscreen->setText("55");
    for (int byte = 0x5A; byte <= 0xD9; ++byte) {
        startScreen.ShowStartScreenByte(static_cast<std::uint8_t>(byte));
        EXPECT_EQ(startscreen->text(), "55") << byte;
    }
}

TEST_F(StartScreenPanelTest, SaveClampsAndWritesOnlyTheStartScreenByte) {
    const struct {
        const char* typed;
        const char* saved;
        std::uint8_t byte;
    } cases[] = {{"1", "1", 0xDA},     {"38", "38", 0xFF}, {"39", "39", 0x00},  {"55", "55", 0x10},
                 {"128", "128", 0x59}, {"0", "1", 0xDA},   {"500", "128", 0x59}};
    for (const auto& c : cases) {
        auto expected = imageBytes();
        expected[region::kStartScreen] = c.byte;
        startscreen->setText(c.typed);
        click("Button37");
        EXPECT_EQ(startscreen->text(), c.saved) << c.typed;
        EXPECT_EQ(imageBytes(), expected) << c.typed;
        EXPECT_FALSE(state.image.isOpen());
    }
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(StartScreenPanelTest, StepButtonsStopAtTheBoundsWithoutWrapping) {
    const struct {
        const char* button;
        const char* before;
        const char* after;
    } cases[] = {{"Button35", "1", "1"},     {"Button35", "0", "1"},     {"Button35", "55", "54"},
                 {"Button35", "999", "998"}, {"Button36", "128", "128"}, {"Button36", "500", "128"},
                 {"Button36", "0", "1"},     {"Button36", "55", "56"}};
    for (const auto& c : cases) {
        startscreen->setText(c.before);
        click(c.button);
        EXPECT_EQ(startscreen->text(), c.after) << c.button << " on " << c.before;
    }
}

TEST_F(StartScreenPanelTest, FieldTakesDigitsOnlyAndClampsOnKeysAndMouse) {
    showPanel();
    startscreen->setText("5");
    startscreen->setFocus();
    QTest::keyClicks(startscreen, "1a-");
    QTest::keyClick(startscreen, Qt::Key_Backspace);
    EXPECT_EQ(startscreen->text(), "51");

    // The clamp sees the text before the key acts: "0" becomes "1", then the 2 arrives.
    startscreen->setText("0");
    QTest::keyClick(startscreen, Qt::Key_2);
    EXPECT_EQ(startscreen->text(), "12");
    startscreen->setText("200");
    QTest::keyClick(startscreen, Qt::Key_Left);
    EXPECT_EQ(startscreen->text(), "128");

    startscreen->setText("0");
    QTest::mouseMove(startscreen, QPoint(5, 5));
    EXPECT_EQ(startscreen->text(), "1");
    EXPECT_TRUE(dialogs.messages.isEmpty());

    startscreen->setText("");
    QTest::mouseMove(startscreen, QPoint(6, 6));
    QTest::mouseMove(startscreen, QPoint(7, 6));
    EXPECT_EQ(dialogs.messages, QStringList({"'' is not a valid integer value.",
                                             "'' is not a valid integer value."}));
}

TEST_F(StartScreenPanelTest, EmptyFieldStopsSaveBeforeTheImageIsTouched) {
    const auto before = imageBytes();
    std::vector<RomAccess> accesses;
    state.image.setObserver([&](const RomAccess& access) { accesses.push_back(access); });
    startscreen->setText("");
    click("Button37");
    EXPECT_EQ(dialogs.messages, QStringList({"'' is not a valid integer value."}));
    EXPECT_TRUE(accesses.empty());
    EXPECT_EQ(imageBytes(), before);
}
