#include "objects/ItemSlot.h"

#include "editor/EditorContext.h"
#include "objects/ItemIdRule.h"
#include "rom/HexText.h"
#include "ui/Controls.h"
#include "ui/ErrorGuard.h"
#include "ui/PictureBox.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QString HexText(std::int32_t value) {
    return QString::fromStdString(IntToHexText(value));
}

QString ItemPicturePath(const QString& hexId) {
    return QStringLiteral("items/") + hexId + QStringLiteral(".bmp");
}

} // namespace

ItemSlot::ItemSlot(EditorContext& context, PictureBox* marker) : marker_(marker) {
    QWidget* panel = context.panel;
    nameLabel_ = MakeLabel(panel, QStringLiteral("Label3"), QStringLiteral("Item: None"), 8, 310);
    MakeLabel(panel, QStringLiteral("Label2"), QStringLiteral("Item destination"), 184, 310);
    auto* down =
        MakeButton(panel, QStringLiteral("Button8"), QStringLiteral("<<<"), QRect(8, 328, 57, 25));
    picture_ = MakePictureBox(panel, QStringLiteral("items"), QRect(69, 325, 32, 32), true);
    auto* up = MakeButton(panel, QStringLiteral("Button9"), QStringLiteral(">>>"),
                          QRect(104, 328, 59, 25));
    itemNumber_ = MakeHiddenField(panel, QStringLiteral("itemnumber"), QStringLiteral("0"));
    pickerIndex_ = MakeHiddenField(panel, QStringLiteral("Edit4"), QStringLiteral("Edit4"));

    connect(down, &QPushButton::clicked, this, context.guard.wrap([this] { Button8Click(); }));
    connect(up, &QPushButton::clicked, this, context.guard.wrap([this] { Button9Click(); }));
}

void ItemSlot::ShowStartupPictures() {
    picture_->loadPicture(ItemPicturePath(QStringLiteral("0")));
    SetFieldNumber(pickerIndex_, 0);
    marker_->loadPicture(ItemPicturePath(QStringLiteral("0")));
}

void ItemSlot::SetLoadedId(std::uint8_t itemId) {
    itemNumber_->setText(HexText(itemId));
}

void ItemSlot::ShowPicturesAndName() {
    const QString hexId = itemNumber_->text();
    marker_->loadPicture(ItemPicturePath(hexId));
    picture_->loadPicture(ItemPicturePath(hexId));
    for (int itemId = 0; itemId <= kLastNamedItem; ++itemId) {
        if (hexId == HexText(itemId)) {
            ShowName(itemId);
            return;
        }
    }
}

bool ItemSlot::AllowsSaving() const {
    return ItemIdAllowsSaving(HexTextToInt(itemNumber_->text().toStdString()));
}

std::int32_t ItemSlot::StoredId() const {
    return HexTextToInt(itemNumber_->text().toStdString());
}

void ItemSlot::Button8Click() {
    std::int32_t index = FieldNumber(pickerIndex_);
    if (index > 0) {
        --index;
        SetFieldNumber(pickerIndex_, index);
    }
    ShowPickedItem(index);
}

void ItemSlot::Button9Click() {
    std::int32_t index = FieldNumber(pickerIndex_);
    if (index < kLastNamedItem) {
        ++index;
        SetFieldNumber(pickerIndex_, index);
    }
    ShowPickedItem(index);
}

void ItemSlot::ShowPickedItem(std::int32_t pickerIndex) {
    picture_->loadPicture(ItemPicturePath(HexText(pickerIndex)));
    marker_->loadPicture(ItemPicturePath(HexText(pickerIndex)));
    if (pickerIndex >= 0 && pickerIndex <= kLastNamedItem) {
        ShowName(pickerIndex);
        itemNumber_->setText(HexText(pickerIndex));
    }
}

// The label sizes itself to the name, as it did to its design text.
void ItemSlot::ShowName(int itemId) {
    nameLabel_->setText(ItemName(itemId));
    nameLabel_->adjustSize();
}

QString ItemSlot::ItemName(int itemId) const {
    switch (itemId) {
    case 0:
        return tr("Item: None");
    case 1:
        return tr("Item: Life sphere");
    case 2:
        return tr("Item: Magic missile +1");
    case 3:
        return tr("Item: Xecrom's thunder");
    case 4:
        return tr("Item: Prism cube");
    case 5:
        return tr("Item: Spectral bridge");
    case 6:
        return tr("Item: Levitation Y +1");
    case 7:
        return tr("Item: Levitation X +1");
    case 8:
        return tr("Item: Tri-caster");
    case 9:
        return tr("Item: Levitation speed");
    case 10:
        return tr("Item: Teleportation");
    default:
        return QStringLiteral("Boss trap!");
    }
}
