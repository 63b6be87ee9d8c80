#include "editor/MainWindow.h"

#include "editor/MessageField.h"
#include "editor/RomOpener.h"
#include "editor/ScreenLoader.h"
#include "editor/ScreenNavigation.h"
#include "editor/ScreenSaver.h"
#include "editor/TilePanel.h"
#include "exchange/ExchangeButtons.h"
#include "objects/ObjectsPanel.h"
#include "palettes/PalettePanel.h"
#include "settings/EndScreenPanel.h"
#include "settings/EndingTextPanel.h"
#include "settings/StartScreenPanel.h"
#include "ui/AboutButton.h"
#include "ui/InfoBanner.h"

#include <QDir>
#include <QFrame>
#include <QLineEdit>
#include <QScreen>

namespace {

constexpr int kClientWidth = 825;
constexpr int kClientHeight = 580;

// The design font where it exists; else a narrow face with Cyrillic glyphs, so
// that every Russian caption fits its control.
QFont WindowFont() {
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans Narrow"),
                      QStringLiteral("DejaVu Sans Condensed")});
    font.setPixelSize(11);
    return font;
}

// Focus order within the panel.
const char* const kFocusOrder[] = {
    "Button1",   "Button2",   "Button3",   "Button4",     "Edit1",    "Edit2",     "Button5",
    "Button6",   "Edit3",     "Button7",   "Button8",     "Button9",  "CheckBox1", "Button10",
    "CheckBox2", "CheckBox3", "CheckBox4", "CheckBox5",   "Button11", "Button12",  "Button13",
    "Edit5",     "Button14",  "Button15",  "Button16",    "Button17", "Edit6",     "Button18",
    "Button19",  "Button20",  "Button21",  "Edit7",       "Button22", "Button23",  "Button24",
    "Button25",  "Edit8",     "Button26",  "CheckBox6",   "Button27", "Button28",  "BitBtn1",
    "Button29",  "pal2",      "Button30",  "Button31",    "pal1",     "Button32",  "SpinButton1",
    "Button33",  "Button34",  "Button35",  "Startscreen", "Button36", "Button37",  "Button38",
    "Endscreen", "Button39",  "Button40",  "Memo1",       "Button41"};

} // namespace

MainWindow::MainWindow(UserDialogs& dialogs, int languageFlag, QWidget* parent)
    : QWidget(parent), language_(languageFlag), panel1_(new QFrame(this)),
      guard_(this, dialogs), context_{panel1_, guard_, dialogs, state_} {
    setWindowTitle(QStringLiteral("DunmoraEditor  ver.1.0"));
    setFont(WindowFont());
    panel1_->setObjectName(QStringLiteral("Panel1"));
    panel1_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel1_->setLineWidth(1);
    panel1_->setGeometry(0, 0, kClientWidth, kClientHeight);
    resize(kClientWidth, kClientHeight);

    tiles_ = std::make_unique<TilePanel>(context_);
    message_ = std::make_unique<MessageField>(context_);
    objects_ = std::make_unique<ObjectsPanel>(context_);
    palettes_ = std::make_unique<PalettePanel>(context_);
    navigation_ = std::make_unique<ScreenNavigation>(context_);
    startScreen_ = std::make_unique<StartScreenPanel>(context_);
    endScreen_ = std::make_unique<EndScreenPanel>(context_);
    endingText_ = std::make_unique<EndingTextPanel>(context_);
    opener_ = std::make_unique<RomOpener>(context_);
    const ScreenPanels panels{*tiles_,      *message_,     *objects_,   *palettes_,
                              *navigation_, *startScreen_, *endScreen_, *endingText_};
    saver_ = std::make_unique<ScreenSaver>(context_, panels);
    loader_ = std::make_unique<ScreenLoader>(context_, panels, saver_->button());
    MakeExchangeButtons(panel1_);
    banner_ = std::make_unique<InfoBanner>(panel1_, guard_);
    about_ = std::make_unique<AboutButton>(panel1_, guard_, dialogs);

    const auto reload = [this] { loader_->Button1Click(); };
    opener_->reloadScreen = reload;
    navigation_->reloadScreen = reload;
    endScreen_->reloadScreen = reload;
    endScreen_->currentScreenText = [this] { return navigation_->field()->text(); };

    arrangeStacking();
    arrangeFocusOrder();
    FormCreate();
}

void MainWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (centred_) {
        return;
    }
    centred_ = true;
    if (const QScreen* screen = this->screen()) {
        const QRect frame = frameGeometry();
        move(screen->availableGeometry().center() - QPoint(frame.width() / 2, frame.height() / 2));
    }
}

MainWindow::~MainWindow() = default;

void MainWindow::FormCreate() {
    language_.ApplyStartupTexts(panel1_);
    endingText_->ShowInstructionText();
    state_.startDirectory = QDir::currentPath();
    palettes_->ResetPresetIndex();
    tiles_->HideFrames();
    guard_.run([this] {
        tiles_->ShowDefaultCells();
        objects_->ShowStartupEnemyPictures();
        tiles_->FillTilePicker();
        objects_->ShowStartupItemPictures();
        objects_->PlaceMarkersAtStart();
    });
}

void MainWindow::arrangeStacking() {
    QStringList order{QStringLiteral("Green"), QStringLiteral("Red")};
    for (int cell = 1; cell <= 48; ++cell) {
        order << QStringLiteral("Image%1").arg(cell);
    }
    for (int picker = 1; picker <= 176; ++picker) {
        order << QStringLiteral("Pic%1").arg(picker);
    }
    order << QStringLiteral("items") << QStringLiteral("selit");
    for (int enemy = 1; enemy <= 4; ++enemy) {
        order << QStringLiteral("Enemy%1").arg(enemy);
    }
    for (int enemy = 1; enemy <= 4; ++enemy) {
        order << QStringLiteral("En%1").arg(enemy);
    }
    order << QStringLiteral("Image49");
    for (const QString& name : order) {
        panel1_->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly)->raise();
    }
}

void MainWindow::arrangeFocusOrder() {
    QWidget* previous = nullptr;
    for (const char* name : kFocusOrder) {
        QWidget* control = panel1_->findChild<QWidget*>(QLatin1String(name));
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, control);
        }
        previous = control;
    }
}
