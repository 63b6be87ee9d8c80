// The five position editors, one for the item and one per enemy, and the Show boxes. Each
// editor is a position field, two step buttons and a marker over the screen grid; they behave
// alike, so one layout table names the controls of every slot and one handler serves a family.
#pragma once

#include <QObject>
#include <array>
#include <cstdint>

struct EditorContext;
class PictureBox;
class QCheckBox;
class QLineEdit;
class QPushButton;

class PlacementGrid : public QObject {
    Q_OBJECT

public:
    // Slot 0 is the item, slots 1..4 are enemies 1..4.
    static constexpr int kItemSlot = 0;
    static constexpr int kSlotCount = 5;

    explicit PlacementGrid(EditorContext& context);

    PictureBox* marker(int slot) const { return slots_[slot].marker; }

    void PlaceMarkersAtStart();
    void SetLoadedPosition(int slot, std::uint8_t position);
    // The game's "never placed" value shows as place 0, so that saving writes 0 back.
    void ApplyUnsetPositionRule();
    void PlaceMarkerOf(int slot);
    std::int32_t StoredPosition(int slot) const;

    // Handlers of the controls that the layout table names for the slot.
    void StepDownClick(int slot);
    void StepUpClick(int slot);
    void PositionKeyDown(int slot);
    void PositionMouseMove(int slot);
    void ShowBoxClick(int slot);
    void CheckBox6Click();

private:
    struct Slot {
        QLineEdit* field = nullptr;
        QPushButton* down = nullptr;
        QPushButton* up = nullptr;
        PictureBox* marker = nullptr;
        QCheckBox* showBox = nullptr;
    };

    std::array<Slot, kSlotCount> slots_;
    QCheckBox* showAll_;
};
