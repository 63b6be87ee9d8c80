#include "objects/ObjectsPanel.h"

#include "rom/ScreenRecord.h"

namespace {

std::array<PictureBox*, EnemySlots::kEnemyCount> EnemyMarkers(const PlacementGrid& grid) {
    std::array<PictureBox*, EnemySlots::kEnemyCount> markers{};
    for (int enemy = 0; enemy < EnemySlots::kEnemyCount; ++enemy) {
        markers[enemy] = grid.marker(enemy + 1);
    }
    return markers;
}

std::uint8_t LowByte(std::int32_t value) {
    return static_cast<std::uint8_t>(value & 0xFF);
}

} // namespace

ObjectsPanel::ObjectsPanel(EditorContext& context, QObject* parent)
    : QObject(parent), grid_(context), item_(context, grid_.marker(PlacementGrid::kItemSlot)),
      enemies_(context, EnemyMarkers(grid_)) {}

void ObjectsPanel::ShowStartupEnemyPictures() {
    enemies_.ShowStartupPictures();
}

void ObjectsPanel::ShowStartupItemPictures() {
    item_.ShowStartupPictures();
}

void ObjectsPanel::PlaceMarkersAtStart() {
    grid_.PlaceMarkersAtStart();
}

void ObjectsPanel::SetLoadedFields(const ScreenRecord& record) {
    item_.SetLoadedId(record.itemId);
    grid_.SetLoadedPosition(PlacementGrid::kItemSlot, record.itemPos);
    for (int enemy = 0; enemy < EnemySlots::kEnemyCount; ++enemy) {
        enemies_.SetLoadedId(enemy, record.enemyId[enemy]);
    }
    for (int enemy = 0; enemy < EnemySlots::kEnemyCount; ++enemy) {
        grid_.SetLoadedPosition(enemy + 1, record.enemyPos[enemy]);
    }
}

void ObjectsPanel::ApplyUnsetPositionRule() {
    grid_.ApplyUnsetPositionRule();
}

void ObjectsPanel::PlaceItemMarker() {
    grid_.PlaceMarkerOf(PlacementGrid::kItemSlot);
}

void ObjectsPanel::ShowItemPicturesAndName() {
    item_.ShowPicturesAndName();
}

bool ObjectsPanel::ItemAllowsSaving() const {
    return item_.AllowsSaving();
}

void ObjectsPanel::ShowEnemyPictures() {
    enemies_.ShowPictures();
}

void ObjectsPanel::PlaceEnemyMarkers() {
    for (int enemy = 0; enemy < EnemySlots::kEnemyCount; ++enemy) {
        grid_.PlaceMarkerOf(enemy + 1);
        enemies_.ShowMarkerPicture(enemy);
    }
}

void ObjectsPanel::StoreInto(ScreenRecord& record) const {
    record.itemId = LowByte(item_.StoredId());
    record.itemPos = LowByte(grid_.StoredPosition(PlacementGrid::kItemSlot));
    for (int enemy = 0; enemy < EnemySlots::kEnemyCount; ++enemy) {
        record.enemyId[enemy] = LowByte(enemies_.StoredId(enemy));
    }
    for (int enemy = 0; enemy < EnemySlots::kEnemyCount; ++enemy) {
        record.enemyPos[enemy] = LowByte(grid_.StoredPosition(enemy + 1));
    }
}
