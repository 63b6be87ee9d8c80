#include "DemoImage.h"
#include "EditorWindowTest.h"
#include "ReadOnlyFile.h"
#include "rom/GameText.h"
#include "rom/HexText.h"
#include "rom/RegionMap.h"
#include "rom/ScreenRecord.h"
#include "ui/PictureBox.h"
#include "ui/PictureFile.h"

#include <QPlainTextEdit>
#include <QTableWidget>
#include <filesystem>

namespace {

using Kind = RomAccess::Kind;

std::int32_t Offset(std::int32_t screen) {
    return region::ScreenRecordOffset(screen);
}

QString TileText(QTableWidget* grid, int cell) {
    const QTableWidgetItem* item = grid->item(0, cell - 1);
    return item == nullptr ? QString() : item->text();
}

class ScreenLoadTest : public EditorWindowTest {
protected:
    void SetUp() override {
        image_ = start_.writeDemoImage();
        bytes_ = ReadFileBytes(image_);
        makeWindow();
    }

    std::uint8_t byteOf(std::int32_t screen, int field) const {
        return bytes_[static_cast<std::size_t>(Offset(screen) + field)];
    }
    void changeImage(std::int32_t offset, std::uint8_t value) {
        bytes_[static_cast<std::size_t>(offset)] = value;
        WriteFileBytes(image_, bytes_);
    }
    QTableWidget* grid() const { return control<QTableWidget>("StringGrid1"); }
    void recordAccesses() {
        accesses_.clear();
        window_->state().image.setObserver(
            [this](const RomAccess& access) { accesses_.push_back(access); });
    }
    // The tiles, item, enemies and palettes that a screen shows, as its record.
    void expectShows(std::int32_t screen) const {
        for (int cell = 1; cell <= 48; ++cell) {
            ASSERT_EQ(TileText(grid(), cell),
                      QString::fromStdString(IntToHexText(byteOf(screen, cell - 1))))
                << "screen " << screen << " cell " << cell;
        }
        EXPECT_EQ(text("itemnumber").toStdString(), IntToHexText(byteOf(screen, 48)));
        EXPECT_EQ(text("pal1"), QString::number(byteOf(screen, 74)));
        EXPECT_EQ(text("pal2"), QString::number(byteOf(screen, 75)));
        EXPECT_EQ(text("ene4").toStdString(), IntToHexText(byteOf(screen, 69)));
    }

    std::filesystem::path image_;
    std::vector<std::uint8_t> bytes_;
    std::vector<RomAccess> accesses_;
};

std::vector<RomAccess> ReloadAccesses(std::int32_t recordOffset, bool endScreenMarker) {
    std::vector<RomAccess> expected{{Kind::Open, 0},
                                    {Kind::Seek, region::kStartScreen},
                                    {Kind::Read, region::kStartScreen},
                                    {Kind::Seek, region::kEndingText}};
    for (int i = 0; i < region::kEndingTextLength; ++i) {
        expected.push_back({Kind::Read, region::kEndingText + i});
    }
    expected.push_back({Kind::Seek, region::kEndScreenMarker});
    expected.push_back({Kind::Read, region::kEndScreenMarker});
    if (endScreenMarker) {
        expected.push_back({Kind::Seek, region::kEntryAddressHigh});
        expected.push_back({Kind::Read, region::kEntryAddressHigh});
        expected.push_back({Kind::Seek, region::kEntryAddressLow});
        expected.push_back({Kind::Read, region::kEntryAddressLow});
    }
    expected.push_back({Kind::Seek, recordOffset});
    for (int i = 0; i < region::kRecordSize; ++i) {
        expected.push_back({Kind::Read, recordOffset + i});
    }
    expected.push_back({Kind::Seek, region::kEndScreenMarker});
    expected.push_back({Kind::Read, region::kEndScreenMarker});
    expected.push_back({Kind::Close, 0});
    return expected;
}

} // namespace

TEST_F(ScreenLoadTest, OpenRomShowsTheStartScreenEveryTime) {
    openImage(image_);
    ASSERT_TRUE(dialogs_.messages.isEmpty()) << dialogs_.messages.join('|').toStdString();
    EXPECT_EQ(dialogs_.fileRequests.at(0).title, QStringLiteral(" Откройте файл Dunmora.nes"));
    EXPECT_EQ(text("Edit1"), QString::number(demo::kStartScreen));
    EXPECT_EQ(text("Startscreen"), QString::number(demo::kStartScreen));
    EXPECT_EQ(text("Endscreen"), QString::number(demo::kEndScreen));
    EXPECT_EQ(window_->state().endScreenRecordOffset, Offset(demo::kEndScreen));
    expectShows(demo::kStartScreen);
    for (const char* button : {"Button1", "Button5", "Button41", "Button40"}) {
        EXPECT_TRUE(control(button)->isEnabled()) << button;
    }

    setText("Edit1", "30");
    click("Button1");
    expectShows(30);
    openImage(image_);
    EXPECT_EQ(text("Edit1"), QString::number(demo::kStartScreen));
    expectShows(demo::kStartScreen);
}

TEST_F(ScreenLoadTest, CancellingTheFirstOpenLeavesTheImageButtonsDisabled) {
    dialogs_.files.push_back(std::nullopt);
    click("Button2");
    EXPECT_FALSE(control("Button1")->isEnabled());
    EXPECT_FALSE(control("Button41")->isEnabled());
    EXPECT_FALSE(window_->state().image.hasPath());
    EXPECT_TRUE(dialogs_.messages.isEmpty());
}

TEST_F(ScreenLoadTest, TheLoaderBoundsTheScreenNumberAndTheButtonsNeverWrap) {
    openImage(image_);
    const struct {
        const char* typed;
        const char* button;
        const char* shows;
    } cases[] = {{"200", "Button1", "128"}, {"0", "Button1", "1"},  {"200", "Button3", "128"},
                 {"0", "Button4", "1"},     {"1", "Button3", "1"},  {"128", "Button4", "128"},
                 {"40", "Button3", "39"},   {"40", "Button4", "41"}};
    for (const auto& c : cases) {
        setText("Edit1", c.typed);
        click(c.button);
        EXPECT_EQ(text("Edit1"), c.shows) << c.typed << " " << c.button;
        expectShows(text("Edit1").toInt());
    }
    EXPECT_TRUE(dialogs_.messages.isEmpty());
}

TEST_F(ScreenLoadTest, UnsavedEditsVanishWhenStepping) {
    openImage(image_);
    click("Image3");
    click("Pic100");
    setText("pal1", "1");
    ASSERT_EQ(TileText(grid(), 3), "63");
    click("Button4");
    click("Button3");
    expectShows(demo::kStartScreen);
    EXPECT_EQ(control<PictureBox>("Image3")->picture(),
              LoadBitmapPicture(QStringLiteral("graph/%1.bmp").arg(TileText(grid(), 3))));
}

TEST_F(ScreenLoadTest, LoadingKeepsTheSelectedCellAndBothFrames) {
    openImage(image_);
    click("Image9");
    click("Pic2");
    click("Button4");
    EXPECT_EQ(control("Red")->pos(), QPoint(7, 40));
    EXPECT_EQ(control("Green")->pos(), QPoint(320, 7));
    click("Pic61");
    EXPECT_EQ(TileText(grid(), 9), "3C");
    EXPECT_EQ(control<PictureBox>("Image9")->picture(), LoadBitmapPicture("graph/3C.bmp"));
}

TEST_F(ScreenLoadTest, ReloadAndSaveAccessTheImageInTheirOrder) {
    openImage(image_);
    recordAccesses();
    click("Button1");
    EXPECT_EQ(accesses_, ReloadAccesses(Offset(demo::kStartScreen), true));

    changeImage(region::kEndScreenMarker, 0xEA);
    recordAccesses();
    click("Button1");
    EXPECT_EQ(accesses_, ReloadAccesses(Offset(demo::kStartScreen), false));
    EXPECT_EQ(text("Endscreen"), "0");

    recordAccesses();
    click("Button5");
    std::vector<RomAccess> save{{Kind::Open, 0}, {Kind::Seek, Offset(demo::kStartScreen)}};
    for (int i = 0; i < region::kRecordSize; ++i) {
        save.push_back({Kind::Write, Offset(demo::kStartScreen) + i});
    }
    save.push_back({Kind::Close, 0});
    EXPECT_EQ(accesses_, save);
}

TEST_F(ScreenLoadTest, LoadingAndSavingEveryScreenKeepsTheImageApartFromUnsetPositions) {
    openImage(image_);
    auto expected = bytes_;
    for (std::int32_t screen = 1; screen <= region::kScreenCount; ++screen) {
        if (screen == demo::kEndScreen) {
            continue; // its record holds the end-screen routine, not tiles with pictures
        }
        for (int field : {49, 70, 71, 72, 73}) {
            auto& byte = expected[static_cast<std::size_t>(Offset(screen) + field)];
            byte = byte == 255 ? 0 : byte;
        }
        setText("Edit1", QString::number(screen));
        click("Button1");
        ASSERT_TRUE(control("Button5")->isEnabled()) << screen;
        click("Button5");
    }
    ASSERT_TRUE(dialogs_.messages.isEmpty()) << dialogs_.messages.join('|').toStdString();
    EXPECT_NE(expected, bytes_);
    EXPECT_EQ(ReadFileBytes(image_), expected);
}

TEST_F(ScreenLoadTest, SaveWritesTheScreenLastLoadedNotTheNumberShown) {
    openImage(image_);
    setText("Edit1", "10");
    click("Button1");
    click("Button10");
    setText("Edit1", "20");
    click("Button5");
    const auto after = ReadFileBytes(image_);
    for (int i = 0; i < 48; ++i) {
        EXPECT_EQ(after[static_cast<std::size_t>(Offset(10) + i)], 0);
    }
    EXPECT_TRUE(std::equal(after.begin() + Offset(20), after.begin() + Offset(21),
                           bytes_.begin() + Offset(20)));
    EXPECT_TRUE(
        std::equal(after.begin() + Offset(10) + 48, after.end(), bytes_.begin() + Offset(10) + 48));
}

TEST_F(ScreenLoadTest, SaveIsAllOrNothing) {
    openImage(image_);
    click("Button10");
    setText("Edit2", "HI");
    setText("Edit3", "");
    click("Button5");
    EXPECT_EQ(dialogs_.messages, QStringList{"'' is not a valid integer value."});
    EXPECT_EQ(ReadFileBytes(image_), bytes_);
    EXPECT_EQ(text("Edit2"), "HI");

    setText("Edit3", "5");
    setText("pal2", "x");
    click("Button5");
    EXPECT_EQ(dialogs_.messages.last(), "'x' is not a valid integer value.");
    EXPECT_EQ(ReadFileBytes(image_), bytes_);

    setText("pal2", "7");
    click("Button5");
    EXPECT_EQ(text("Edit2"), "HI              ");
    const auto after = ReadFileBytes(image_);
    const std::int32_t at = Offset(demo::kStartScreen);
    EXPECT_EQ(after[static_cast<std::size_t>(at + 49)], 5);
    EXPECT_EQ(after[static_cast<std::size_t>(at + 50)], 0x48);
    EXPECT_EQ(after[static_cast<std::size_t>(at + 51)], 0x49);
    EXPECT_EQ(after[static_cast<std::size_t>(at + 52)], 0x00);
    EXPECT_EQ(after[static_cast<std::size_t>(at + 75)], 7);
}

TEST_F(ScreenLoadTest, AMissingTilePictureStopsTheLoadAtItsCell) {
    openImage(image_);
    constexpr std::int32_t kScreen = 40;
    constexpr int kCell = 20;
    changeImage(Offset(kScreen) + kCell - 1, 0xB0);
    const QStringList before = [&] {
        QStringList texts;
        for (int cell = 1; cell <= 48; ++cell) {
            texts << TileText(grid(), cell);
        }
        return texts;
    }();
    const QString itemBefore = text("itemnumber");
    const QString palBefore = text("pal1");

    setText("Edit1", QString::number(kScreen));
    click("Button1");
    EXPECT_EQ(dialogs_.messages, QStringList{"Cannot open file graph/B0.bmp."});
    for (int cell = 1; cell <= 48; ++cell) {
        const QString expected =
            cell < kCell ? QString::fromStdString(IntToHexText(byteOf(kScreen, cell - 1)))
                         : before[cell - 1];
        EXPECT_EQ(TileText(grid(), cell), expected) << cell;
    }
    EXPECT_EQ(text("itemnumber"), itemBefore);
    EXPECT_EQ(text("pal1"), palBefore);
    EXPECT_EQ(window_->state().currentRecordOffset, Offset(kScreen));
    EXPECT_FALSE(window_->state().image.isOpen());
}

TEST_F(ScreenLoadTest, TheItemIdSwitchesSaveScreen) {
    changeImage(Offset(30) + 48, 0x15);
    changeImage(Offset(31) + 48, 0x14);
    openImage(image_);
    setText("Edit1", "30");
    click("Button1");
    EXPECT_FALSE(control("Button5")->isEnabled());
    EXPECT_EQ(text("itemnumber"), "15");
    click("Button9");
    EXPECT_FALSE(control("Button5")->isEnabled());
    click("Button4");
    EXPECT_TRUE(control("Button5")->isEnabled());
    EXPECT_EQ(text("itemnumber"), "14");
    EXPECT_EQ(control<PictureBox>("items")->picture(), LoadBitmapPicture("items/14.bmp"));
}

TEST_F(ScreenLoadTest, AHiddenIdThatIsNotHexSavesAsZero) {
    openImage(image_);
    setText("itemnumber", "zz");
    setText("ene2", "");
    click("Button5");
    const auto after = ReadFileBytes(image_);
    EXPECT_EQ(after[static_cast<std::size_t>(Offset(demo::kStartScreen) + 48)], 0);
    EXPECT_EQ(after[static_cast<std::size_t>(Offset(demo::kStartScreen) + 67)], 0);
}

TEST_F(ScreenLoadTest, UnsetPositionsShowZeroAndSaveAsZero) {
    openImage(image_);
    setText("Edit1", QString::number(demo::kScreenWithEnemy3At255));
    click("Button1");
    EXPECT_EQ(text("Edit7"), "0");
    EXPECT_EQ(control("En3")->pos(), QPoint(8, 8));
    click("Button5");
    auto expected = bytes_;
    expected[static_cast<std::size_t>(Offset(demo::kScreenWithEnemy3At255) + 72)] = 0;
    EXPECT_EQ(ReadFileBytes(image_), expected);
}

TEST_F(ScreenLoadTest, BadScreenNumbersStopWithTheFieldsText) {
    openImage(image_);
    for (const char* bad : {"", "a1"}) {
        setText("Edit1", bad);
        dialogs_.messages.clear();
        recordAccesses();
        click("Button4");
        click("Button3");
        click("Button1");
        const QString message = QStringLiteral("'%1' is not a valid integer value.").arg(bad);
        EXPECT_EQ(dialogs_.messages, QStringList({message, message, message}));
        EXPECT_EQ(text("Edit1"), bad);
        EXPECT_FALSE(window_->state().image.isOpen());
    }
}

TEST_F(ScreenLoadTest, AShortImageStopsInTheEndingTextAndIsNeverGrown) {
    bytes_.resize(8700);
    WriteFileBytes(image_, bytes_);
    openImage(image_);
    EXPECT_EQ(dialogs_.messages, QStringList{"Read beyond end of file."});
    EXPECT_EQ(text("Edit1"), QString::number(demo::kStartScreen));
    EXPECT_EQ(window_->state().currentRecordOffset, Offset(demo::kStartScreen));

    click("Button5");
    EXPECT_EQ(dialogs_.messages.last(), "Write beyond end of file.");
    EXPECT_EQ(std::filesystem::file_size(image_), 8700u);
}

TEST_F(ScreenLoadTest, AnImageTooShortForTheStartScreenByteIsNeverWritten) {
    bytes_.resize(300);
    WriteFileBytes(image_, bytes_);
    openImage(image_);
    EXPECT_EQ(dialogs_.messages, QStringList{"Read beyond end of file."});
    click("Button5");
    EXPECT_EQ(dialogs_.messages.last(), QStringLiteral("Экран из этого образа ещё не загружен."));
    EXPECT_EQ(ReadFileBytes(image_), bytes_);
}

TEST_F(ScreenLoadTest, AnImageOfExactlyTheLastEndingTextByteLoads) {
    bytes_.resize(region::kMinimumImageSize);
    WriteFileBytes(image_, bytes_);
    openImage(image_);
    EXPECT_TRUE(dialogs_.messages.isEmpty()) << dialogs_.messages.join('|').toStdString();
    expectShows(demo::kStartScreen);
}

TEST_F(ScreenLoadTest, ImageTroublesBetweenOperationsAreReported) {
    openImage(image_);
    std::filesystem::remove(image_);
    click("Button1");
    EXPECT_EQ(dialogs_.messages.last(), "File not found.");
    setText("Edit2", "AB");
    click("Button5");
    EXPECT_EQ(dialogs_.messages.last(), "File not found.");
    EXPECT_EQ(text("Edit2"), "AB");
    EXPECT_FALSE(std::filesystem::exists(image_));

    const auto readOnlyImage = start_.writeDemoImage("readonly.nes");
    const auto before = ReadFileBytes(readOnlyImage);
    ReadOnlyFile readOnly(readOnlyImage);
    if (!readOnly.denied()) {
        GTEST_SKIP() << "this machine cannot make a file read-only for this user";
    }
    const QString screenBefore = text("Edit1");
    openImage(readOnlyImage);
    EXPECT_EQ(dialogs_.messages.last(), "File access denied.");
    EXPECT_EQ(text("Edit1"), screenBefore);
    EXPECT_EQ(ReadFileBytes(readOnlyImage), before);
}

TEST_F(ScreenLoadTest, AReadOnlyFirstImageLeavesTheButtonsDisabled) {
    ReadOnlyFile readOnly(image_);
    if (!readOnly.denied()) {
        GTEST_SKIP() << "this machine cannot make a file read-only for this user";
    }
    openImage(image_);
    EXPECT_EQ(dialogs_.messages, QStringList{"File access denied."});
    EXPECT_FALSE(control("Button1")->isEnabled());
    EXPECT_EQ(text("Edit1"), "55");
}

TEST_F(ScreenLoadTest, ACorruptItemPictureStopsTheLoadThere) {
    WriteFileBytes(start_.file("items/13.bmp"), {'B', 'M', 1, 2, 3});
    changeImage(Offset(50) + 48, 0x13);
    openImage(image_);
    setText("Edit1", "50");
    click("Button1");
    EXPECT_EQ(dialogs_.messages, QStringList{"Bitmap image is not valid."});
    EXPECT_EQ(text("itemnumber"), "13");
    expectShows(50);
}

TEST_F(ScreenLoadTest, TheEndingTextAndMessageDecodeThroughTheGameTable) {
    openImage(image_);
    EXPECT_EQ(control<QPlainTextEdit>("Memo1")->toPlainText().toStdString().substr(0, 16),
              "CONGRATULATIONS!");
    const std::vector<std::uint8_t> codes(bytes_.begin() + Offset(demo::kStartScreen) + 50,
                                          bytes_.begin() + Offset(demo::kStartScreen) + 66);
    EXPECT_EQ(text("Edit2"), QString::fromStdU32String(DecodeGameText(codes)));
}
