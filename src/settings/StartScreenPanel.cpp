#include "settings/StartScreenPanel.h"

#include "editor/EditorContext.h"
#include "rom/RegionMap.h"
#include "rom/RomImage.h"
#include "settings/ScreenNumberSteps.h"
#include "settings/StartScreenByte.h"
#include "ui/Controls.h"
#include "ui/ErrorGuard.h"
#include "ui/FieldHooks.h"

#include <QLineEdit>
#include <QPushButton>

StartScreenPanel::StartScreenPanel(EditorContext& context) : context_(context) {
    QWidget* panel = context.panel;
    MakeLabel(panel, QStringLiteral("Label16"), QStringLiteral("    Start screen"), 716, 370);
    QPushButton* button37 =
        MakeButton(panel, QStringLiteral("Button37"), QStringLiteral("Save"), {624, 384, 83, 25});
    QPushButton* button35 =
        MakeButton(panel, QStringLiteral("Button35"), QStringLiteral("<"), {712, 384, 25, 25});
    FieldHooks* hooks = nullptr;
    startscreen_ = MakeNumberField(panel, QStringLiteral("Startscreen"), QStringLiteral("55"), 743,
                                   384, context.guard, &hooks);
    QPushButton* button36 =
        MakeButton(panel, QStringLiteral("Button36"), QStringLiteral(">"), {790, 384, 25, 25});
    for (QPushButton* button : {button35, button36, button37}) {
        button->setEnabled(false);
    }

    hooks->charTyped = [this](QChar typed) { return StartscreenKeyPress(typed); };
    hooks->keyDown = [this] { StartscreenKeyDown(); };
    hooks->mouseMove = [this] { StartscreenMouseMove(); };
    connect(button35, &QPushButton::clicked, this, context.guard.wrap([this] { Button35Click(); }));
    connect(button36, &QPushButton::clicked, this, context.guard.wrap([this] { Button36Click(); }));
    connect(button37, &QPushButton::clicked, this, context.guard.wrap([this] { Button37Click(); }));
}

void StartScreenPanel::ShowStartScreenByte(std::uint8_t byte) {
    if (const auto screen = DecodeStartScreen(byte)) {
        SetFieldNumber(startscreen_, *screen);
    }
}

void StartScreenPanel::clampField() {
    const std::int32_t value = FieldNumber(startscreen_);
    if (ClampToScreen(value) != value) {
        SetFieldNumber(startscreen_, ClampToScreen(value));
    }
}

void StartScreenPanel::Button35Click() {
    SetFieldNumber(startscreen_, ScreenStepDown(FieldNumber(startscreen_)));
}

void StartScreenPanel::Button36Click() {
    SetFieldNumber(startscreen_, ScreenStepUp(FieldNumber(startscreen_)));
}

bool StartScreenPanel::StartscreenKeyPress(QChar typed) {
    return IsDigitCharacter(typed);
}

void StartScreenPanel::StartscreenKeyDown() {
    clampField();
}

void StartScreenPanel::StartscreenMouseMove() {
    clampField();
}

void StartScreenPanel::Button37Click() {
    clampField();
    RomImage& image = context_.state.image;
    RomSession session(image);
    image.Seek(region::kStartScreen);
    image.WriteByte(EncodeStartScreen(FieldNumber(startscreen_)));
    session.close();
}
