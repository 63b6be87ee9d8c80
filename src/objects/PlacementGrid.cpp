#include "objects/PlacementGrid.h"

#include "editor/EditorContext.h"
#include "objects/MarkerPlacement.h"
#include "objects/PlaceRule.h"
#include "ui/Controls.h"
#include "ui/ErrorGuard.h"
#include "ui/FieldHooks.h"
#include "ui/PictureBox.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

struct SlotLayout {
    const char* field;
    const char* down;
    const char* up;
    const char* marker;
    const char* showBox;
    const char* showCaption;
    int buttonTop;
    int fieldTop;
    int markerTop;
    QRect showBoxGeometry;
};

const SlotLayout kLayout[PlacementGrid::kSlotCount] = {
    {"Edit3", "Button6", "Button7", "selit", "CheckBox1", "Show item", 328, 328, 334,
     QRect(200, 208, 81, 17)},
    {"Edit5", "Button13", "Button14", "En1", "CheckBox2", "Show enemy 1", 376, 376, 377,
     QRect(8, 208, 97, 17)},
    {"Edit6", "Button17", "Button18", "En2", "CheckBox3", "Show enemy 2", 417, 418, 417,
     QRect(104, 208, 97, 17)},
    {"Edit7", "Button21", "Button22", "En3", "CheckBox4", "Show enemy 3", 457, 458, 457,
     QRect(8, 226, 97, 17)},
    {"Edit8", "Button25", "Button26", "En4", "CheckBox5", "Show enemy 4", 499, 501, 497,
     QRect(104, 226, 97, 17)},
};

constexpr int kDownLeft = 168;
constexpr int kFieldLeft = 199;
constexpr int kUpLeft = 246;
constexpr int kMarkerLeft = 272;
constexpr int kStepButtonSize = 25;
constexpr int kMarkerSize = 16;

} // namespace

PlacementGrid::PlacementGrid(EditorContext& context) {
    QWidget* panel = context.panel;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const SlotLayout& layout = kLayout[slot];
        Slot& controls = slots_[slot];
        controls.showBox =
            MakeCheckBox(panel, QString::fromLatin1(layout.showBox),
                         QString::fromLatin1(layout.showCaption), layout.showBoxGeometry, true);
        controls.down =
            MakeButton(panel, QString::fromLatin1(layout.down), QStringLiteral("<"),
                       QRect(kDownLeft, layout.buttonTop, kStepButtonSize, kStepButtonSize));
        FieldHooks* hooks = nullptr;
        controls.field =
            MakeNumberField(panel, QString::fromLatin1(layout.field), QStringLiteral("0"),
                            kFieldLeft, layout.fieldTop, context.guard, &hooks);
        controls.up =
            MakeButton(panel, QString::fromLatin1(layout.up), QStringLiteral(">"),
                       QRect(kUpLeft, layout.buttonTop, kStepButtonSize, kStepButtonSize));
        controls.marker =
            MakePictureBox(panel, QString::fromLatin1(layout.marker),
                           QRect(kMarkerLeft, layout.markerTop, kMarkerSize, kMarkerSize), true);

        connect(controls.down, &QPushButton::clicked, this,
                context.guard.wrap([this, slot] { StepDownClick(slot); }));
        connect(controls.up, &QPushButton::clicked, this,
                context.guard.wrap([this, slot] { StepUpClick(slot); }));
        connect(controls.showBox, &QCheckBox::clicked, this,
                context.guard.wrap([this, slot] { ShowBoxClick(slot); }));
        hooks->keyDown = [this, slot] { PositionKeyDown(slot); };
        hooks->mouseMove = [this, slot] { PositionMouseMove(slot); };
    }
    showAll_ = MakeCheckBox(panel, QStringLiteral("CheckBox6"), QStringLiteral("Show All"),
                            QRect(200, 226, 81, 17), true);
    connect(showAll_, &QCheckBox::clicked, this, context.guard.wrap([this] { CheckBox6Click(); }));
}

void PlacementGrid::PlaceMarkersAtStart() {
    for (const Slot& controls : slots_) {
        controls.marker->move(kTopLeftPlace.left, kTopLeftPlace.top);
    }
}

void PlacementGrid::SetLoadedPosition(int slot, std::uint8_t position) {
    SetFieldNumber(slots_[slot].field, position);
}

void PlacementGrid::ApplyUnsetPositionRule() {
    for (const Slot& controls : slots_) {
        if (controls.field->text() == QString::number(kUnsetPosition)) {
            controls.marker->move(kTopLeftPlace.left, kTopLeftPlace.top);
            SetFieldNumber(controls.field, 0);
        }
    }
}

void PlacementGrid::PlaceMarkerOf(int slot) {
    PlaceMarker(slots_[slot].marker, slots_[slot].field);
}

std::int32_t PlacementGrid::StoredPosition(int slot) const {
    return FieldNumber(slots_[slot].field);
}

void PlacementGrid::StepDownClick(int slot) {
    const Slot& controls = slots_[slot];
    ClampPosition(controls.field);
    const std::int32_t value = FieldNumber(controls.field);
    if (value > 0) {
        SetFieldNumber(controls.field, value - 1);
        PlaceMarker(controls.marker, controls.field);
    }
}

void PlacementGrid::StepUpClick(int slot) {
    const Slot& controls = slots_[slot];
    ClampPosition(controls.field);
    const std::int32_t value = FieldNumber(controls.field);
    if (value < kLastPlace) {
        SetFieldNumber(controls.field, value + 1);
        PlaceMarker(controls.marker, controls.field);
    }
}

void PlacementGrid::PositionKeyDown(int slot) {
    ClampPosition(slots_[slot].field);
}

void PlacementGrid::PositionMouseMove(int slot) {
    ClampPosition(slots_[slot].field);
}

void PlacementGrid::ShowBoxClick(int slot) {
    slots_[slot].marker->setVisible(slots_[slot].showBox->isChecked());
}

void PlacementGrid::CheckBox6Click() {
    const bool shown = showAll_->isChecked();
    for (const Slot& controls : slots_) {
        controls.marker->setVisible(shown);
    }
    for (const Slot& controls : slots_) {
        controls.showBox->setChecked(shown);
    }
}
