#include "EditorWindowTest.h"
#include "settings/EndScreenPatch.h"
#include "ui/InfoBanner.h"
#include "ui/PictureBox.h"
#include "ui/PictureFile.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTimer>
#include <filesystem>

namespace {

struct Caption {
    const char* control;
    const char* english;
    const char* russian;
};

const Caption kCaptions[] = {
    {"CheckBox2", "Show enemy 1", "Враг №1"},
    {"CheckBox3", "Show enemy 2", "Враг №2"},
    {"CheckBox4", "Show enemy 3", "Враг №3"},
    {"CheckBox5", "Show enemy 4", "Враг №4"},
    {"CheckBox1", "Show item", "Вещь"},
    {"CheckBox6", "Show All", "Всё"},
    {"Label4", "Screen message:", "Текст экрана:"},
    {"Label14", "Palette 1", "Палитра 1"},
    {"Label13", "Palette 2", "Палитра 2"},
    {"Label15", "Manual", "Произвольная"},
    {"Label3", "Item: None", "Вещь: Нет"},
    {"Label5", "Enemy 1:", "Враг 1:"},
    {"Label7", "Enemy 2:", "Враг 2:"},
    {"Label9", "Enemy 3:", "Враг 3:"},
    {"Label11", "Enemy 4:", "Враг 4:"},
    {"Label2", "Item destination", "Положение вещи"},
    {"Label6", "Enemy 1 destination", "Положение 1 врага"},
    {"Label8", "Enemy 2 destination", "Положение 2 врага"},
    {"Label10", "Enemy 3 destination", "Положение 3 врага"},
    {"Label12", "Enemy 4 destination", "Положение 4 врага"},
    {"Label1", "Screen number", "Номер экрана"},
    {"Button2", "Open ROM", "Открыть"},
    {"Button1", "Reload screen", "Перезагрузить"},
    {"Button10", "Clear screen", "Очистить"},
    {"Button5", "Save screen", "Сохранить"},
    {"Button27", "Export map", "Экспорт Э"},
    {"Button28", "Import map", "Импорт Э"},
    {"BitBtn1", "&About...", "Автор..."},
    {"Button37", "Save", "Сохранить"},
    {"Button40", "Save", "Сохранить"},
    {"Label16", "    Start screen", "Стартовый экран"},
    {"Label17", "    End screen", "Конечный экран"},
    {"Button41", "Save Ending text", "Сохранить текст окончания"},
    {"Button33", "Export T/P/I/E", "Экспорт ТПВВ"},
    {"Button34", "Import T/P/I/E", "Импорт ТПВВ"},
};

const Caption kHints[] = {
    {"Button10", "Clear the current screen", "Очистить текущий экран"},
    {"Button5", "Save the current screen to a ROM", "Сохранить текущий экран в ROM"},
    {"Button27", "Export the current screen map", "Экспорт графики текущего экрана в файл"},
    {"Button28", "Import & Save the map to a current screen",
     "Импорт графики из файла в текущий экран"},
    {"Button33", "Export Text/Palette/Item/Enemies", "Экспорт текста/палитры/вещи/врагов в файл"},
    {"Button34", "Import & Save Text/Palette/Item/Enemies to a current screen",
     "Импорт текста/палитры/вещи/врагов из файла"},
    {"Button2", "Open ROM Dunmora.nes", "Открыть ROM Dunmora.nes"},
    {"Button1", "Reload current screen", "Перезагрузить текущий экран"},
};

const char* const kImageButtons[] = {"Button1",  "Button3",  "Button4",  "Button5",  "Button27",
                                     "Button28", "Button33", "Button34", "Button35", "Button36",
                                     "Button37", "Button38", "Button39", "Button40", "Button41"};

QString CaptionOf(QWidget* control) {
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        return button->text();
    }
    return qobject_cast<QLabel*>(control)->text();
}

class MainWindowLanguageTest : public EditorWindowTest,
                               public ::testing::WithParamInterface<int> {};

} // namespace

TEST_P(MainWindowLanguageTest, StartupTextsFollowTheLanguageFlag) {
    const bool russian = GetParam() == MainWindow::kRussian;
    makeWindow(GetParam());
    EXPECT_EQ(window_->windowTitle(), "DunmoraEditor  ver.1.0");
    for (const Caption& caption : kCaptions) {
        EXPECT_EQ(CaptionOf(control(caption.control)),
                  QString::fromUtf8(russian ? caption.russian : caption.english))
            << caption.control;
    }
    for (const Caption& hint : kHints) {
        EXPECT_EQ(control(hint.control)->toolTip(),
                  QString::fromUtf8(russian ? hint.russian : hint.english))
            << hint.control;
    }
    const QString characterList =
        QStringLiteral("0123456789:&,.!?@ABCDEFGHIJKLMNOPQRSTUVWXYZ\"'+-");
    EXPECT_EQ(control("Edit2")->toolTip(), characterList);
    EXPECT_EQ(control("Memo1")->toolTip(), characterList);
    EXPECT_EQ(control<QPlainTextEdit>("Memo1")->toPlainText(),
              russian ? QStringLiteral("Текст окончания: 32 символа в строке. Если номер Конечного "
                                       "экрана = 0, окончания не будет!")
                      : QStringLiteral("Ending text: 32 symbols in line. If End screen number = 0, "
                                       "then game never ends!"));
    EXPECT_EQ(control("Label1")->toolTip(), QString());
    EXPECT_TRUE(dialogs_.messages.isEmpty()) << dialogs_.messages.join('|').toStdString();
}

TEST_P(MainWindowLanguageTest, EveryCaptionFitsItsControl) {
    makeWindow(GetParam());
    window_->show();
    for (const Caption& caption : kCaptions) {
        QWidget* widget = control(caption.control);
        const int textWidth =
            widget->fontMetrics().horizontalAdvance(CaptionOf(widget).remove('&'));
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            const int decoration = qobject_cast<QCheckBox*>(widget) != nullptr ? 18
                                   : button->icon().isNull()                   ? 4
                                                                               : 22;
            EXPECT_LE(textWidth + decoration, widget->width()) << caption.control;
        } else {
            EXPECT_LE(widget->x() + widget->width(), window_->panel()->width()) << caption.control;
            EXPECT_GE(widget->width(), textWidth) << caption.control;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, MainWindowLanguageTest,
                         ::testing::Values(MainWindow::kEnglish, MainWindow::kRussian));

TEST_F(EditorWindowTest, StartsWithTheDefaultPicturesFramesOutOfSightAndNoImage) {
    makeWindow();
    EXPECT_EQ(window_->size(), QSize(825, 580));
    EXPECT_EQ(window_->panel()->geometry(), QRect(0, 0, 825, 580));
    EXPECT_EQ(control("Image48")->geometry(), QRect(239, 173, 32, 32));
    EXPECT_EQ(control("Pic176")->geometry(), QRect(783, 338, 32, 32));
    EXPECT_EQ(control("Red")->pos(), QPoint(-100, -100));
    EXPECT_EQ(control("Green")->pos(), QPoint(-100, -100));
    for (const char* marker : {"selit", "En1", "En2", "En3", "En4"}) {
        EXPECT_EQ(control(marker)->pos(), QPoint(8, 8)) << marker;
    }

    auto* grid = control<QTableWidget>("StringGrid1");
    EXPECT_FALSE(grid->isVisible());
    ASSERT_EQ(grid->columnCount(), 48);
    ASSERT_EQ(grid->rowCount(), 1);
    for (int column = 0; column < 48; ++column) {
        EXPECT_TRUE(grid->item(0, column) == nullptr || grid->item(0, column)->text().isEmpty());
    }

    const QImage tileZero = LoadBitmapPicture("graph/0.bmp");
    for (int cell = 1; cell <= 48; ++cell) {
        EXPECT_EQ(control<PictureBox>(QStringLiteral("Image%1").arg(cell))->picture(), tileZero);
    }
    for (int picker = 1; picker <= 176; ++picker) {
        const QString path =
            QStringLiteral("graph/%1.bmp").arg(QString::number(picker - 1, 16).toUpper());
        EXPECT_EQ(control<PictureBox>(QStringLiteral("Pic%1").arg(picker))->picture(),
                  LoadBitmapPicture(path));
    }
    EXPECT_EQ(control<PictureBox>("items")->picture(), LoadBitmapPicture("items/0.bmp"));
    EXPECT_EQ(control<PictureBox>("En4")->picture(), LoadBitmapPicture("enemyes/0.bmp"));
    EXPECT_FALSE(control<PictureBox>("Image49")->picture().isNull());

    EXPECT_EQ(text("itemnumber"), "0");
    EXPECT_EQ(text("Edit4"), "0");
    for (const char* enemy : {"ene1", "ene2", "ene3", "ene4"}) {
        EXPECT_EQ(text(enemy), "0");
    }
    EXPECT_EQ(text("pointertext").toStdString(), kEndScreenPatchHex);
    EXPECT_EQ(text("Edit1"), "55");
    EXPECT_EQ(text("Startscreen"), "55");
    EXPECT_EQ(text("Endscreen"), "0");
    for (const char* button : kImageButtons) {
        EXPECT_FALSE(control(button)->isEnabled()) << button;
    }
    EXPECT_TRUE(control("Button10")->isEnabled());
    EXPECT_TRUE(control("BitBtn1")->isEnabled());
    EXPECT_EQ(window_->state().startDirectory.toStdString(), start_.path().string());
}

TEST_F(EditorWindowTest, AMissingTilePictureAtStartUpSkipsTheRestOfWindowCreation) {
    std::filesystem::remove(start_.file("graph/5.bmp"));
    makeWindow();
    EXPECT_EQ(dialogs_.messages, QStringList{"Cannot open file graph/5.bmp."});
    EXPECT_FALSE(control<PictureBox>("Pic5")->picture().isNull());
    EXPECT_TRUE(control<PictureBox>("Pic6")->picture().isNull());
    EXPECT_TRUE(control<PictureBox>("Pic176")->picture().isNull());
    EXPECT_TRUE(control<PictureBox>("items")->picture().isNull());
    EXPECT_EQ(control("selit")->pos(), QPoint(272, 334));
    EXPECT_EQ(control("En1")->pos(), QPoint(272, 377));
    window_->show();
    EXPECT_TRUE(window_->isVisible());
}

TEST_F(EditorWindowTest, BannerTicksAlternateTheInfoPicturesAndAFailingTickGoesOn) {
    makeWindow();
    QTimer* timer = window_->banner().timer();
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 20000);
    auto* banner = control<PictureBox>("Image49");
    const QImage help = banner->picture();
    const QImage info1 = LoadBitmapPicture("info/info1.bmp");
    const QImage info2 = LoadBitmapPicture("info/info2.bmp");
    EXPECT_NE(help, info1);

    auto tick = [timer] { QMetaObject::invokeMethod(timer, "timeout"); };
    tick();
    EXPECT_EQ(banner->picture(), info1);
    tick();
    EXPECT_EQ(banner->picture(), info2);
    tick();
    EXPECT_EQ(banner->picture(), info1);

    std::filesystem::remove(start_.file("info/info2.bmp"));
    tick();
    EXPECT_EQ(dialogs_.messages, QStringList{"Cannot open file info/info2.bmp."});
    EXPECT_EQ(banner->picture(), info1);
    EXPECT_EQ(window_->banner().counter(), 2);
    EXPECT_TRUE(timer->isActive());
    tick();
    EXPECT_EQ(banner->picture(), info1);
    EXPECT_EQ(window_->banner().counter(), 1);
}

TEST_F(EditorWindowTest, AboutShowsTheTitleLineInTheInterfaceLanguage) {
    makeWindow(MainWindow::kRussian);
    click("BitBtn1");
    ASSERT_EQ(dialogs_.messages.size(), 1);
    EXPECT_TRUE(dialogs_.messages[0].startsWith(QStringLiteral("DunmoraEditor  версия 1.0\n\n")));
    EXPECT_GT(dialogs_.messages[0].count('\n'), 2);

    window_.reset();
    dialogs_.messages.clear();
    makeWindow(MainWindow::kEnglish);
    click("BitBtn1");
    ASSERT_EQ(dialogs_.messages.size(), 1);
    EXPECT_TRUE(dialogs_.messages[0].startsWith(QStringLiteral("DunmoraEditor  ver.1.0\n\n")));
}

TEST_F(EditorWindowTest, FocusMovesInTheDesignOrder) {
    makeWindow();
    window_->show();
    QWidget* first = control("Button2");
    first->setFocus();
    EXPECT_EQ(first->nextInFocusChain(), control("Button3"));
    EXPECT_EQ(control("Edit1")->nextInFocusChain(), control("Edit2"));
    EXPECT_EQ(control("SpinButton1")->nextInFocusChain(), control("Button33"));
    EXPECT_EQ(control("Endscreen")->nextInFocusChain(), control("Button39"));
}
