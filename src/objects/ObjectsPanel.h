// The item and the four enemies of the screen as one part of the window: the placement grid
// with its markers, the item slot and the enemy slots. The window's creation, the screen loader
// and Save screen reach them only through the steps below, which they call in their own order.
#pragma once

#include "objects/EnemySlots.h"
#include "objects/ItemSlot.h"
#include "objects/PlacementGrid.h"

#include <QObject>

struct EditorContext;
struct ScreenRecord;

class ObjectsPanel : public QObject {
    Q_OBJECT

public:
    explicit ObjectsPanel(EditorContext& context, QObject* parent = nullptr);

    // Window creation.
    void ShowStartupEnemyPictures();
    void ShowStartupItemPictures();
    void PlaceMarkersAtStart();

    // Screen loader.
    void SetLoadedFields(const ScreenRecord& record);
    void ApplyUnsetPositionRule();
    void PlaceItemMarker();
    void ShowItemPicturesAndName();
    bool ItemAllowsSaving() const;
    void ShowEnemyPictures();
    void PlaceEnemyMarkers();

    // Save screen: fills the item and enemy bytes in record order and stops at the first
    // position field that holds no number, the bytes before it filled. Changes no control.
    void StoreInto(ScreenRecord& record) const;

private:
    PlacementGrid grid_;
    ItemSlot item_;
    EnemySlots enemies_;
};
