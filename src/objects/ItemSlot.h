// The item of the screen: its id, held as hex text in a hidden field, its name, its picture
// and the id buttons. The buttons step a picker index of their own and take the id from it,
// so a loaded id and the picker stay independent until a button is pressed.
#pragma once

#include <QObject>
#include <cstdint>

struct EditorContext;
class PictureBox;
class QLabel;
class QLineEdit;
class QPushButton;

class ItemSlot : public QObject {
    Q_OBJECT

public:
    // The marker belongs to the placement grid; this slot only gives it its picture.
    ItemSlot(EditorContext& context, PictureBox* marker);

    void ShowStartupPictures();
    void SetLoadedId(std::uint8_t itemId);
    void ShowPicturesAndName();
    bool AllowsSaving() const;
    std::int32_t StoredId() const;

    void Button8Click();
    void Button9Click();

private:
    // The name of a picker index 0..11 in the interface language.
    QString ItemName(int itemId) const;
    void ShowName(int itemId);
    // Id buttons: the picture, name and id of the stepped picker index.
    void ShowPickedItem(std::int32_t pickerIndex);

    PictureBox* marker_;
    QLabel* nameLabel_;
    PictureBox* picture_;
    QLineEdit* itemNumber_;
    QLineEdit* pickerIndex_;
};
