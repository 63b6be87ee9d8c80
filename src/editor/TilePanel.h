// The screen grid and the tile picker: the 48 cells that show the current
// screen's tiles, the hidden table that records their codes for saving, the 176
// tiles to paint with, and the two frames that mark the selected cell and the
// tile picked last.
#pragma once

#include <QObject>
#include <QString>
#include <cstdint>

struct EditorContext;
class PictureBox;
class QTableWidget;

class TilePanel : public QObject {
    Q_OBJECT

public:
    explicit TilePanel(EditorContext& context);

    // Loads the code's picture into the cell, then records the code; a picture that fails to load
    // stops it before either changes.
    void ShowTileCode(int cell, std::int32_t code);
    void FillTilePicker();
    // The cells start with the picture of code 0 while their recorded codes stay empty.
    void ShowDefaultCells();
    void HideFrames();

    QString tileText(int cell) const;
    void setTileText(int cell, const QString& text);
    int selectedCell() const { return selectedCell_; }

    PictureBox* cell(int n) const;
    PictureBox* picker(int k) const;

    // Image1Click .. Image48Click.
    void ImageClick(int n);
    // Pic1Click .. Pic176Click.
    void PicClick(int k);
    void Button10Click();

private:
    EditorContext& context_;
    PictureBox* red_;
    PictureBox* green_;
    QTableWidget* stringGrid1_;
    int selectedCell_ = 0;
};
