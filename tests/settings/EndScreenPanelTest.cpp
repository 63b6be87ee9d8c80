#include "settings/EndScreenPanel.h"

#include "SettingsPanelFixture.h"
#include "rom/RegionMap.h"
#include "settings/EndScreenPatch.h"

#include <QLabel>

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr const char* kConfirmation = "This operation will write the End data\n"
                                      "in chosen End screen. The Previous End\n"
                                      "screen will is refined. Continue?";

class EndScreenPanelTest : public SettingsPanelFixture {
protected:
    EndScreenPanelTest() {
        endScreen.currentScreenText = [this] { return shownScreen; };
        endScreen.reloadScreen = [this] {
            ++reloads;
            bytesAtReload = imageBytes();
        };
    }

    // What a screen load does with the marker and pointer bytes on disk.
    void loadEndScreen() {
        const Bytes bytes = imageBytes();
        if (bytes[region::kEndScreenMarker] != kCallOpcode) {
            endScreen.ShowNoEndScreen();
            return;
        }
        endScreen.ShowEntryAddress(bytes[region::kEntryAddressLow] +
                                   256 * bytes[region::kEntryAddressHigh]);
        endScreen.LearnEndScreenRecord();
    }

    void saveAnsweringYes(const char* screen) {
        dialogs.answers.push_back(true);
        endscreen->setText(screen);
        click("Button40");
    }

    EndScreenPanel endScreen{context};
    QLineEdit* endscreen = field("Endscreen");
    QString shownScreen = "55";
    int reloads = 0;
    Bytes bytesAtReload;
};

// The image as a save of the screen should leave it: patch, index byte and calls.
void ApplyEndScreen(Bytes& bytes, std::int32_t screen) {
    const auto patch = EndScreenPatchBytes(kEndScreenPatchHex, screen);
    std::copy(patch.begin(), patch.end(), bytes.begin() + region::ScreenRecordOffset(screen));
    for (int site = 0; site < 4; ++site) {
        const auto call = TransitionCall(site, screen);
        std::copy(call.begin(), call.end(), bytes.begin() + region::kTransitionSites[site]);
    }
}

void ClearRoutine(Bytes& bytes, std::int32_t screen) {
    const auto start = bytes.begin() + region::ScreenRecordOffset(screen);
    std::fill(start, start + kEndScreenPatchLength, 0);
}

Bytes At(const Bytes& bytes, std::int32_t offset, std::int32_t count) {
    return Bytes(bytes.begin() + offset, bytes.begin() + offset + count);
}

} // namespace

TEST_F(EndScreenPanelTest, ControlsStandAtTheirPlacesAndThePatchIsHidden) {
    EXPECT_EQ(endscreen->text(), "0");
    EXPECT_EQ(endscreen->geometry(), QRect(743, 423, 41, 21));
    EXPECT_EQ(endscreen->maxLength(), 3);
    EXPECT_EQ(control<QLabel>("Label17")->text(), "    End screen");
    EXPECT_EQ(control<QLabel>("Label17")->pos(), QPoint(718, 409));
    const struct {
        const char* name;
        const char* text;
        QRect geometry;
    } buttons[] = {{"Button40", "Save", {624, 423, 83, 25}},
                   {"Button38", "<", {712, 423, 25, 25}},
                   {"Button39", ">", {790, 423, 25, 25}}};
    for (const auto& b : buttons) {
        QPushButton* button = control<QPushButton>(b.name);
        EXPECT_EQ(button->text(), b.text) << b.name;
        EXPECT_EQ(button->geometry(), b.geometry) << b.name;
        EXPECT_FALSE(button->isEnabled()) << b.name;
    }
    QLineEdit* pointertext = field("pointertext");
    EXPECT_TRUE(pointertext->isHidden());
    EXPECT_EQ(pointertext->text().toStdString(), kEndScreenPatchHex);
}

TEST_F(EndScreenPanelTest, SaveWritesPatchIndexAndCallsThatLoadBack) {
    const struct {
        const char* screen;
        std::int32_t record;
        std::uint8_t index;
        Bytes first, third, fourth;
    } cases[] = {
        {"1", 8215, 0x00, {0x20, 0x43, 0xA0}, {0x20, 0x4A, 0xA0}, {0x20, 0x07, 0xA0}},
        {"28", 10267, 0x1B, {0x20, 0x47, 0xA8}, {0x20, 0x4E, 0xA8}, {0x20, 0x0B, 0xA8}},
        {"128", 17867, 0x7F, {0x20, 0xF7, 0xC5}, {0x20, 0xFE, 0xC5}, {0x20, 0xBB, 0xC5}},
    };
    for (const auto& c : cases) {
        demo::WriteDemoImage(imagePath().string());
        state.endScreenRecordOffset = 0;
        const Bytes before = imageBytes();
        saveAnsweringYes(c.screen);

        const Bytes after = imageBytes();
        Bytes routine = At(after, c.record, kEndScreenPatchLength);
        EXPECT_EQ(routine[4], c.index) << c.screen;
        routine[4] = 0x46;
        EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(routine.data()), routine.size())
                      .toHex()
                      .toUpper()
                      .toStdString(),
                  kEndScreenPatchHex)
            << c.screen;
        EXPECT_EQ(At(after, c.record + 74, 2), At(before, c.record + 74, 2)) << c.screen;
        EXPECT_EQ(At(after, 506, 3), c.first) << c.screen;
        EXPECT_EQ(At(after, 543, 3), c.first) << c.screen;
        EXPECT_EQ(At(after, 581, 3), c.third) << c.screen;
        EXPECT_EQ(At(after, 617, 3), c.fourth) << c.screen;
        // No end screen was remembered, so nothing else changed.
        Bytes expected = before;
        ApplyEndScreen(expected, std::stoi(c.screen));
        EXPECT_EQ(after, expected) << c.screen;
        EXPECT_EQ(state.endScreenRecordOffset, c.record) << c.screen;
        EXPECT_FALSE(state.image.isOpen());

        endscreen->setText("0");
        loadEndScreen();
        EXPECT_EQ(endscreen->text(), c.screen);
    }
    ASSERT_EQ(dialogs.questions.size(), 3u);
    EXPECT_EQ(dialogs.questions[0].caption, "Attention!");
    EXPECT_EQ(dialogs.questions[0].text, kConfirmation);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(EndScreenPanelTest, MovingTheEndScreenClearsOnlyThePreviousRoutine) {
    loadEndScreen();
    ASSERT_EQ(endscreen->text(), QString::number(demo::kEndScreen));
    saveAnsweringYes("5");
    Bytes expected = imageBytes();

    std::vector<RomAccess> accesses;
    state.image.setObserver([&](const RomAccess& access) { accesses.push_back(access); });
    saveAnsweringYes("9");

    ClearRoutine(expected, 5);
    ApplyEndScreen(expected, 9);
    const Bytes after = imageBytes();
    EXPECT_EQ(after, expected);
    EXPECT_EQ(after[8827], 0x08);
    EXPECT_EQ(At(after, 8519, 74), Bytes(74, 0));
    EXPECT_EQ(state.endScreenRecordOffset, 8823);

    // Routine, index byte, the old record, the four calls: one open, one close.
    std::vector<RomAccess> order{{RomAccess::Kind::Open, 0}, {RomAccess::Kind::Seek, 8823}};
    const auto writes = [&order](std::int32_t from, int count) {
        for (int i = 0; i < count; ++i) {
            order.push_back({RomAccess::Kind::Write, from + i});
        }
    };
    writes(8823, 74);
    order.push_back({RomAccess::Kind::Seek, 8827});
    writes(8827, 1);
    order.push_back({RomAccess::Kind::Seek, 8519});
    writes(8519, 74);
    for (const std::int32_t site : region::kTransitionSites) {
        order.push_back({RomAccess::Kind::Seek, site});
        writes(site, 3);
    }
    order.push_back({RomAccess::Kind::Close, 0});
    EXPECT_EQ(accesses, order);
}

// The first save after opening the demo image replaces the routine it learnt.
TEST_F(EndScreenPanelTest, FirstSaveClearsTheRoutineFoundOnLoad) {
    loadEndScreen();
    Bytes expected = imageBytes();
    saveAnsweringYes("3");
    ClearRoutine(expected, demo::kEndScreen);
    ApplyEndScreen(expected, 3);
    EXPECT_EQ(imageBytes(), expected);
}

TEST_F(EndScreenPanelTest, SavingTheRecordedEndScreenAgainKeepsItsPatch) {
    loadEndScreen();
    const Bytes loaded = imageBytes();
    saveAnsweringYes("100");
    EXPECT_EQ(imageBytes(), loaded);
    saveAnsweringYes("9");
    const Bytes first = imageBytes();
    saveAnsweringYes("9");
    EXPECT_EQ(imageBytes(), first);
    EXPECT_EQ(state.endScreenRecordOffset, region::ScreenRecordOffset(9));
}

// A pointer this editor did not write can name a record outside the 128 screens:
// nothing there is cleared, and Save clamps the field to a real screen.
TEST_F(EndScreenPanelTest, ForeignPointerNeverClearsOutsideTheScreenRecords) {
    const struct {
        std::int32_t pointedScreen;
        const char* shown;
        const char* saved;
    } cases[] = {{200, "200", "128"}, {129, "129", "128"}, {0, "0", "7"}, {-5, "-5", "1"}};
    for (const auto& c : cases) {
        demo::WriteDemoImage(imagePath().string());
        Bytes bytes = imageBytes();
        const std::int32_t address = EndScreenEntryAddress(c.pointedScreen);
        bytes[region::kEntryAddressLow] = static_cast<std::uint8_t>(address & 0xFF);
        bytes[region::kEntryAddressHigh] = static_cast<std::uint8_t>(address >> 8);
        WriteFileBytes(imagePath(), bytes);
        state.endScreenRecordOffset = 0;
        loadEndScreen();
        EXPECT_EQ(endscreen->text(), c.shown);
        EXPECT_EQ(state.endScreenRecordOffset, region::ScreenRecordOffset(c.pointedScreen));

        if (QString(c.shown) == "0") {
            endscreen->setText(c.saved);
        }
        dialogs.answers.push_back(true);
        click("Button40");
        EXPECT_EQ(endscreen->text(), c.saved) << c.pointedScreen;
        Bytes expected = bytes;
        ApplyEndScreen(expected, std::stoi(c.saved));
        EXPECT_EQ(imageBytes(), expected) << c.pointedScreen;
    }
}

TEST_F(EndScreenPanelTest, AnsweringNoWritesNothingAndDoesNotReload) {
    const Bytes before = imageBytes();
    state.endScreenRecordOffset = region::ScreenRecordOffset(5);
    shownScreen = "9";
    dialogs.answers.push_back(false);
    endscreen->setText("9");
    click("Button40");
    EXPECT_EQ(imageBytes(), before);
    EXPECT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(reloads, 0);
    EXPECT_EQ(state.endScreenRecordOffset, region::ScreenRecordOffset(5));
}

TEST_F(EndScreenPanelTest, ZeroAsksToSelectAScreenAndWritesNothing) {
    const Bytes before = imageBytes();
    std::vector<RomAccess> accesses;
    state.image.setObserver([&](const RomAccess& access) { accesses.push_back(access); });
    click("Button40");
    EXPECT_EQ(dialogs.messages, QStringList({"Select End screen!"}));
    EXPECT_TRUE(dialogs.questions.empty());
    EXPECT_TRUE(accesses.empty());
    EXPECT_EQ(imageBytes(), before);
    EXPECT_EQ(reloads, 0);
    // The reload check still runs after the message.
    shownScreen = "0";
    click("Button40");
    EXPECT_EQ(reloads, 1);
}

TEST_F(EndScreenPanelTest, ReloadsOnlyWhenTheEndScreenIsTheScreenShown) {
    shownScreen = "9";
    saveAnsweringYes("10");
    EXPECT_EQ(reloads, 0);
    saveAnsweringYes("9");
    ASSERT_EQ(reloads, 1);
    // The reload reads the image that the save has already written and closed.
    EXPECT_EQ(bytesAtReload, imageBytes());
    EXPECT_EQ(At(bytesAtReload, 617, 3), Bytes({0x20, 0x67, 0xA2}));
    // Texts are compared, not numbers.
    shownScreen = "009";
    saveAnsweringYes("9");
    EXPECT_EQ(reloads, 1);
}

TEST_F(EndScreenPanelTest, FailedWriteKeepsTheRememberedRecord) {
    state.endScreenRecordOffset = region::ScreenRecordOffset(5);
    // The file ends inside screen 128's routine: ten bytes of it fit.
    Bytes bytes = imageBytes();
    bytes.resize(region::ScreenRecordOffset(128) + 10);
    WriteFileBytes(imagePath(), bytes);
    shownScreen = "128";
    saveAnsweringYes("128");
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(state.endScreenRecordOffset, region::ScreenRecordOffset(5));
    EXPECT_EQ(reloads, 0);
    const Bytes after = imageBytes();
    EXPECT_EQ(At(after, region::ScreenRecordOffset(5), 74),
              At(bytes, region::ScreenRecordOffset(5), 74));
    EXPECT_EQ(At(after, 506, 114), At(bytes, 506, 114));

    std::filesystem::remove(imagePath());
    saveAnsweringYes("3");
    EXPECT_EQ(dialogs.messages.last(), "File not found.");
    EXPECT_EQ(state.endScreenRecordOffset, region::ScreenRecordOffset(5));
}

TEST_F(EndScreenPanelTest, StepButtonsAndClampsKeepZeroOnlyWhereTheyShould) {
    const struct {
        const char* button;
        const char* before;
        const char* after;
    } steps[] = {{"Button38", "0", "1"},     {"Button38", "1", "1"}, {"Button38", "9", "8"},
                 {"Button38", "999", "998"}, {"Button39", "0", "1"}, {"Button39", "128", "128"},
                 {"Button39", "500", "128"}, {"Button39", "9", "10"}};
    for (const auto& c : steps) {
        endscreen->setText(c.before);
        click(c.button);
        EXPECT_EQ(endscreen->text(), c.after) << c.button << " on " << c.before;
    }

    showPanel();
    endscreen->setFocus();
    const struct {
        const char* before;
        const char* afterMove;
        const char* afterKey;
    } clamps[] = {{"0", "0", "1"}, {"200", "128", "128"}, {"-5", "1", "1"}, {"77", "77", "77"}};
    int x = 5;
    for (const auto& c : clamps) {
        endscreen->setText(c.before);
        // A move to where the mouse already is would be no move at all.
        QTest::mouseMove(endscreen, QPoint(++x, 5));
        EXPECT_EQ(endscreen->text(), c.afterMove) << c.before;
        endscreen->setText(c.before);
        QTest::keyClick(endscreen, Qt::Key_Right);
        EXPECT_EQ(endscreen->text(), c.afterKey) << c.before;
    }
    endscreen->setText("1");
    QTest::keyClick(endscreen, Qt::Key_End);
    QTest::keyClicks(endscreen, "x2");
    QTest::keyClick(endscreen, Qt::Key_Backspace);
    EXPECT_EQ(endscreen->text(), "12");
    EXPECT_TRUE(dialogs.messages.isEmpty());

    // An empty field: the mouse passes over it, a key and Save report it.
    endscreen->setText("");
    QTest::mouseMove(endscreen, QPoint(++x, 6));
    EXPECT_TRUE(dialogs.messages.isEmpty());
    QTest::keyClick(endscreen, Qt::Key_Right);
    const Bytes before = imageBytes();
    dialogs.answers.push_back(true);
    click("Button40");
    EXPECT_EQ(dialogs.messages, QStringList({"'' is not a valid integer value.",
                                             "'' is not a valid integer value."}));
    EXPECT_TRUE(dialogs.questions.empty());
    EXPECT_EQ(imageBytes(), before);
}
