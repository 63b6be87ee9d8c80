#include "palettes/PalettePanel.h"

#include "editor/EditorContext.h"
#include "palettes/PalettePresets.h"
#include "rom/ScreenRecord.h"
#include "ui/Controls.h"
#include "ui/ErrorGuard.h"
#include "ui/FieldHooks.h"
#include "ui/SpinButton.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr std::int32_t kLowest = 0;
constexpr std::int32_t kHighest = 255;
constexpr std::int32_t kByteMask = 0xFF;

} // namespace

PalettePanel::PalettePanel(EditorContext& context) {
    QWidget* panel = context.panel;
    ErrorGuard& guard = context.guard;

    label15_ = MakeLabel(panel, QStringLiteral("Label15"), QStringLiteral("Manual"), 8, 267);
    MakeLabel(panel, QStringLiteral("Label14"), QStringLiteral("Palette 1"), 92, 267);
    MakeLabel(panel, QStringLiteral("Label13"), QStringLiteral("Palette 2"), 198, 267);

    spinButton1_ = new SpinButton(panel);
    spinButton1_->setObjectName(QStringLiteral("SpinButton1"));
    spinButton1_->setGeometry(8, 282, 49, 25);
    connect(spinButton1_, &SpinButton::downClicked, this,
            guard.wrap([this] { SpinButton1DownClick(); }));
    connect(spinButton1_, &SpinButton::upClicked, this,
            guard.wrap([this] { SpinButton1UpClick(); }));

    auto* button31 =
        MakeButton(panel, QStringLiteral("Button31"), QStringLiteral("<"), QRect(62, 282, 25, 25));
    FieldHooks* pal1Hooks = nullptr;
    pal1_ = MakeNumberField(panel, QStringLiteral("pal1"), QStringLiteral("0"), 92, 282, guard,
                            &pal1Hooks);
    auto* button32 =
        MakeButton(panel, QStringLiteral("Button32"), QStringLiteral(">"), QRect(138, 282, 25, 25));
    auto* button29 =
        MakeButton(panel, QStringLiteral("Button29"), QStringLiteral("<"), QRect(168, 282, 25, 25));
    FieldHooks* pal2Hooks = nullptr;
    pal2_ = MakeNumberField(panel, QStringLiteral("pal2"), QStringLiteral("0"), 199, 282, guard,
                            &pal2Hooks);
    auto* button30 =
        MakeButton(panel, QStringLiteral("Button30"), QStringLiteral(">"), QRect(246, 282, 25, 25));

    pal1Hooks->charTyped = [this](QChar typed) { return pal1KeyPress(typed); };
    pal1Hooks->keyDown = [this] { pal1KeyDown(); };
    pal1Hooks->mouseMove = [this] { pal1MouseMove(); };
    pal2Hooks->charTyped = [this](QChar typed) { return pal2KeyPress(typed); };
    pal2Hooks->keyDown = [this] { pal2KeyDown(); };
    pal2Hooks->mouseMove = [this] { pal2MouseMove(); };

    connect(button31, &QPushButton::clicked, this, guard.wrap([this] { Button31Click(); }));
    connect(button32, &QPushButton::clicked, this, guard.wrap([this] { Button32Click(); }));
    connect(button29, &QPushButton::clicked, this, guard.wrap([this] { Button29Click(); }));
    connect(button30, &QPushButton::clicked, this, guard.wrap([this] { Button30Click(); }));
}

void PalettePanel::ResetPresetIndex() {
    presetIndex_ = kNoPreset;
}

void PalettePanel::SetLoadedBytes(std::uint8_t palette1, std::uint8_t palette2) {
    SetFieldNumber(pal1_, palette1);
    SetFieldNumber(pal2_, palette2);
}

void PalettePanel::NamePreset() {
    const std::optional<int> match =
        MatchPreset(pal1_->text().toStdString(), pal2_->text().toStdString());
    if (match) {
        showPresetName(presetName(*match));
        presetIndex_ = *match;
    } else {
        showPresetName(tr("Manual"));
    }
}

void PalettePanel::ApplyPreset(int index) {
    const PalettePair pair = PresetPair(index);
    SetFieldNumber(pal1_, pair.palette1);
    SetFieldNumber(pal2_, pair.palette2);
    showPresetName(presetName(index));
}

void PalettePanel::StoreInto(ScreenRecord& record) const {
    record.palette1 = static_cast<std::uint8_t>(FieldNumber(pal1_) & kByteMask);
    record.palette2 = static_cast<std::uint8_t>(FieldNumber(pal2_) & kByteMask);
}

bool PalettePanel::pal1KeyPress(QChar typed) const {
    return IsDigitCharacter(typed);
}

bool PalettePanel::pal2KeyPress(QChar typed) const {
    return IsDigitCharacter(typed);
}

void PalettePanel::pal1KeyDown() {
    ClampPalette(pal1_);
}

void PalettePanel::pal2KeyDown() {
    ClampPalette(pal2_);
}

void PalettePanel::pal1MouseMove() {
    ClampPalette(pal1_);
}

void PalettePanel::pal2MouseMove() {
    ClampPalette(pal2_);
}

void PalettePanel::Button31Click() {
    StepDown(pal1_);
}

void PalettePanel::Button32Click() {
    StepUp(pal1_);
}

void PalettePanel::Button29Click() {
    StepDown(pal2_);
}

void PalettePanel::Button30Click() {
    StepUp(pal2_);
}

void PalettePanel::SpinButton1DownClick() {
    presetIndex_ = NextPresetIndex(presetIndex_);
    ApplyPreset(presetIndex_);
}

void PalettePanel::SpinButton1UpClick() {
    presetIndex_ = PreviousPresetIndex(presetIndex_);
    ApplyPreset(presetIndex_);
}

QString PalettePanel::presetName(int index) {
    switch (index) {
    case 1:
        return tr("Cave");
    case 2:
        return tr("Forest 1");
    case 3:
        return tr("Forest 2");
    case 4:
        return tr("Castle");
    default:
        return tr("Manual");
    }
}

// A text within 0..255 stays as typed, leading zeros included.
void PalettePanel::ClampPalette(QLineEdit* field) {
    if (FieldNumber(field) > kHighest) {
        SetFieldNumber(field, kHighest);
    }
    if (FieldNumber(field) < kLowest) {
        SetFieldNumber(field, kLowest);
    }
}

void PalettePanel::StepDown(QLineEdit* field) {
    ClampPalette(field);
    const std::int32_t value = FieldNumber(field);
    if (value > kLowest) {
        SetFieldNumber(field, value - 1);
    }
}

void PalettePanel::StepUp(QLineEdit* field) {
    ClampPalette(field);
    const std::int32_t value = FieldNumber(field);
    if (value < kHighest) {
        SetFieldNumber(field, value + 1);
    }
}

// The label grows with its text, so the longer Russian names are not cut off.
void PalettePanel::showPresetName(const QString& name) {
    label15_->setText(name);
    label15_->adjustSize();
}
