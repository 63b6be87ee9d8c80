#include "objects/EnemySlots.h"

#include "editor/EditorContext.h"
#include "rom/HexText.h"
#include "ui/Controls.h"
#include "ui/ErrorGuard.h"
#include "ui/PictureBox.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

struct RowLayout {
    const char* id;
    const char* down;
    const char* up;
    const char* picture;
    const char* slotLabel;
    const char* slotCaption;
    const char* destinationLabel;
    const char* destinationCaption;
    int labelTop;
    int buttonTop;
    int pictureTop;
};

const RowLayout kLayout[EnemySlots::kEnemyCount] = {
    {"ene1", "Button11", "Button12", "Enemy1", "Label5", "Enemy 1:", "Label6",
     "Enemy 1 destination", 362, 376, 373},
    {"ene2", "Button15", "Button16", "Enemy2", "Label7", "Enemy 2:", "Label8",
     "Enemy 2 destination", 403, 417, 414},
    {"ene3", "Button19", "Button20", "Enemy3", "Label9", "Enemy 3:", "Label10",
     "Enemy 3 destination", 443, 457, 455},
    {"ene4", "Button23", "Button24", "Enemy4", "Label11", "Enemy 4:", "Label12",
     "Enemy 4 destination", 485, 499, 496},
};

constexpr std::int32_t kLastPickableId = 15;

QString HexText(std::int32_t value) {
    return QString::fromStdString(IntToHexText(value));
}

} // namespace

EnemySlots::EnemySlots(EditorContext& context,
                       const std::array<PictureBox*, kEnemyCount>& markers) {
    QWidget* panel = context.panel;
    for (int enemy = 0; enemy < kEnemyCount; ++enemy) {
        const RowLayout& layout = kLayout[enemy];
        Row& row = rows_[enemy];
        MakeLabel(panel, QString::fromLatin1(layout.slotLabel),
                  QString::fromLatin1(layout.slotCaption), 8, layout.labelTop);
        MakeLabel(panel, QString::fromLatin1(layout.destinationLabel),
                  QString::fromLatin1(layout.destinationCaption), 176, layout.labelTop);
        auto* down = MakeButton(panel, QString::fromLatin1(layout.down), QStringLiteral("<<<"),
                                QRect(8, layout.buttonTop, 57, 25));
        row.picture = MakePictureBox(panel, QString::fromLatin1(layout.picture),
                                     QRect(69, layout.pictureTop, 32, 32), true);
        auto* up = MakeButton(panel, QString::fromLatin1(layout.up), QStringLiteral(">>>"),
                              QRect(104, layout.buttonTop, 59, 25));
        row.id = MakeHiddenField(panel, QString::fromLatin1(layout.id), QStringLiteral("0"));
        row.marker = markers[enemy];

        connect(down, &QPushButton::clicked, this,
                context.guard.wrap([this, enemy] { IdDownClick(enemy); }));
        connect(up, &QPushButton::clicked, this,
                context.guard.wrap([this, enemy] { IdUpClick(enemy); }));
    }
}

void EnemySlots::ShowStartupPictures() {
    for (const Row& row : rows_) {
        row.picture->loadPicture(QStringLiteral("enemyes/0.bmp"));
    }
    for (const Row& row : rows_) {
        row.marker->loadPicture(QStringLiteral("enemyes/0.bmp"));
    }
}

void EnemySlots::SetLoadedId(int enemy, std::uint8_t enemyId) {
    rows_[enemy].id->setText(HexText(enemyId));
}

void EnemySlots::ShowPictures() {
    for (int enemy = 0; enemy < kEnemyCount; ++enemy) {
        rows_[enemy].picture->loadPicture(PicturePath(enemy));
    }
}

void EnemySlots::ShowMarkerPicture(int enemy) {
    rows_[enemy].marker->loadPicture(PicturePath(enemy));
}

std::int32_t EnemySlots::StoredId(int enemy) const {
    return HexTextToInt(rows_[enemy].id->text().toStdString());
}

void EnemySlots::IdDownClick(int enemy) {
    const std::int32_t id = StoredId(enemy);
    if (id > 0) {
        rows_[enemy].id->setText(HexText(id - 1));
    }
    ShowRowPictures(enemy);
}

void EnemySlots::IdUpClick(int enemy) {
    const std::int32_t id = StoredId(enemy);
    if (id < kLastPickableId) {
        rows_[enemy].id->setText(HexText(id + 1));
    }
    ShowRowPictures(enemy);
}

// The id field's text goes into the name unchanged, whatever put it there.
QString EnemySlots::PicturePath(int enemy) const {
    return QStringLiteral("enemyes/") + rows_[enemy].id->text() + QStringLiteral(".bmp");
}

void EnemySlots::ShowRowPictures(int enemy) {
    rows_[enemy].picture->loadPicture(PicturePath(enemy));
    rows_[enemy].marker->loadPicture(PicturePath(enemy));
}
