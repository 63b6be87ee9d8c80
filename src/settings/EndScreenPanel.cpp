#include "settings/EndScreenPanel.h"

#include "editor/EditorContext.h"
#include "rom/RegionMap.h"
#include "rom/RomImage.h"
#include "settings/EndScreenPatch.h"
#include "settings/PreviousEndScreen.h"
#include "settings/ScreenNumberSteps.h"
#include "ui/Controls.h"
#include "ui/ErrorGuard.h"
#include "ui/FieldHooks.h"
#include "ui/UserDialogs.h"

#include <QLineEdit>
#include <QPushButton>

EndScreenPanel::EndScreenPanel(EditorContext& context) : context_(context) {
    QWidget* panel = context.panel;
    MakeLabel(panel, QStringLiteral("Label17"), QStringLiteral("    End screen"), 718, 409);
    QPushButton* button40 =
        MakeButton(panel, QStringLiteral("Button40"), QStringLiteral("Save"), {624, 423, 83, 25});
    QPushButton* button38 =
        MakeButton(panel, QStringLiteral("Button38"), QStringLiteral("<"), {712, 423, 25, 25});
    FieldHooks* hooks = nullptr;
    endscreen_ = MakeNumberField(panel, QStringLiteral("Endscreen"), QStringLiteral("0"), 743, 423,
                                 context.guard, &hooks);
    QPushButton* button39 =
        MakeButton(panel, QStringLiteral("Button39"), QStringLiteral(">"), {790, 423, 25, 25});
    for (QPushButton* button : {button38, button39, button40}) {
        button->setEnabled(false);
    }
    pointertext_ =
        MakeHiddenField(panel, QStringLiteral("pointertext"),
                        QString::fromLatin1(kEndScreenPatchHex.data(),
                                            static_cast<qsizetype>(kEndScreenPatchHex.size())));

    hooks->charTyped = [this](QChar typed) { return EndscreenKeyPress(typed); };
    hooks->keyDown = [this] { EndscreenKeyDown(); };
    hooks->mouseMove = [this] { EndscreenMouseMove(); };
    connect(button38, &QPushButton::clicked, this, context.guard.wrap([this] { Button38Click(); }));
    connect(button39, &QPushButton::clicked, this, context.guard.wrap([this] { Button39Click(); }));
    connect(button40, &QPushButton::clicked, this, context.guard.wrap([this] { Button40Click(); }));
}

void EndScreenPanel::ShowNoEndScreen() {
    SetFieldNumber(endscreen_, 0);
}

void EndScreenPanel::ShowEntryAddress(std::int32_t address) {
    SetFieldNumber(endscreen_, EndScreenFromEntryAddress(address));
}

void EndScreenPanel::LearnEndScreenRecord() {
    if (context_.state.endScreenRecordOffset == 0) {
        context_.state.endScreenRecordOffset = region::ScreenRecordOffset(FieldNumber(endscreen_));
    }
}

void EndScreenPanel::setClamped(std::int32_t value, std::int32_t clamped) {
    if (clamped != value) {
        SetFieldNumber(endscreen_, clamped);
    }
}

void EndScreenPanel::Button38Click() {
    SetFieldNumber(endscreen_, ScreenStepDown(FieldNumber(endscreen_)));
}

void EndScreenPanel::Button39Click() {
    SetFieldNumber(endscreen_, ScreenStepUp(FieldNumber(endscreen_)));
}

bool EndScreenPanel::EndscreenKeyPress(QChar typed) {
    return IsDigitCharacter(typed);
}

void EndScreenPanel::EndscreenKeyDown() {
    const std::int32_t value = FieldNumber(endscreen_);
    setClamped(value, ClampToScreen(value));
}

// Unlike the other clamps this one passes over an empty field and keeps 0.
void EndScreenPanel::EndscreenMouseMove() {
    if (endscreen_->text().isEmpty()) {
        return;
    }
    const std::int32_t value = FieldNumber(endscreen_);
    setClamped(value, ClampToEndScreen(value));
}

QString EndScreenPanel::confirmationText() const {
    return tr("This operation will write the End data\n"
              "in chosen End screen. The Previous End\n"
              "screen will is refined. Continue?");
}

void EndScreenPanel::Button40Click() {
    const std::int32_t value = FieldNumber(endscreen_);
    setClamped(value, ClampToEndScreen(value));
    const std::int32_t screen = FieldNumber(endscreen_);
    QWidget* window = context_.panel->window();
    if (screen == 0) {
        context_.dialogs.showMessage(window, tr("Select End screen!"));
    } else {
        if (!context_.dialogs.askYesNo(window, tr("Attention!"), confirmationText())) {
            return;
        }
        writeEndScreen(screen);
    }
    if (currentScreenText && reloadScreen && endscreen_->text() == currentScreenText()) {
        reloadScreen();
    }
}

void EndScreenPanel::writeEndScreen(std::int32_t screen) {
    RomImage& image = context_.state.image;
    const std::int32_t record = region::ScreenRecordOffset(screen);
    const std::int32_t previous = context_.state.endScreenRecordOffset;
    RomSession session(image);

    image.Seek(record);
    for (const std::uint8_t byte :
         EndScreenPatchBytes(pointertext_->text().toStdString(), screen)) {
        image.WriteByte(byte);
    }
    // The routine already carries the index; it is written once more on its
    // own so the accesses run routine, index byte, old record, calls.
    image.Seek(record + kEndScreenIndexByte);
    image.WriteByte(static_cast<std::uint8_t>((screen - 1) & 0xFF));

    if (ShouldClearPreviousEndScreen(previous, record)) {
        image.Seek(previous);
        for (int i = 0; i < kEndScreenPatchLength; ++i) {
            image.WriteByte(0);
        }
    }

    for (std::size_t site = 0; site < region::kTransitionSites.size(); ++site) {
        image.Seek(region::kTransitionSites[site]);
        for (const std::uint8_t byte : TransitionCall(static_cast<int>(site), screen)) {
            image.WriteByte(byte);
        }
    }
    session.close();
    context_.state.endScreenRecordOffset = record;
}
