// The four enemies of the screen: each an id, held as hex text in a hidden field, a picture and
// two id buttons. Enemies have no names, and the four rows behave alike, so one layout table
// names the controls of every row and one handler serves each family of buttons.
#pragma once

#include "rom/ScreenRecord.h"

#include <QObject>
#include <array>
#include <cstdint>

struct EditorContext;
class PictureBox;
class QLineEdit;

class EnemySlots : public QObject {
    Q_OBJECT

public:
    static constexpr int kEnemyCount = ScreenRecord::kEnemyCount;

    // The markers belong to the placement grid; these slots only give them their pictures.
    // Enemy j (1..4) is at index j - 1 everywhere below.
    EnemySlots(EditorContext& context, const std::array<PictureBox*, kEnemyCount>& markers);

    void ShowStartupPictures();
    void SetLoadedId(int enemy, std::uint8_t enemyId);
    void ShowPictures();
    void ShowMarkerPicture(int enemy);
    std::int32_t StoredId(int enemy) const;

    // Handlers of the "<<<" and ">>>" buttons that the layout table names for the row.
    void IdDownClick(int enemy);
    void IdUpClick(int enemy);

private:
    struct Row {
        QLineEdit* id = nullptr;
        PictureBox* picture = nullptr;
        PictureBox* marker = nullptr;
    };

    QString PicturePath(int enemy) const;
    void ShowRowPictures(int enemy);

    std::array<Row, kEnemyCount> rows_;
};
