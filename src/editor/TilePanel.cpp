#include "editor/TilePanel.h"

#include "editor/EditorContext.h"
#include "editor/TilePicture.h"
#include "rom/HexText.h"
#include "ui/Controls.h"
#include "ui/ErrorGuard.h"
#include "ui/PictureBox.h"

#include <QHeaderView>
#include <QImage>
#include <QPushButton>
#include <QTableWidget>

namespace {

constexpr int kCells = 48;
constexpr int kCellColumns = 8;
constexpr int kPickers = 176;
constexpr int kPickerColumns = 16;
constexpr int kPitch = 33;
constexpr int kBoxSize = 32;
constexpr int kFrameSize = 34;
constexpr int kHiddenFrameCorner = -100;

// Drawn in code rather than read from a file, so the frames never depend on the picture folders.
QImage solidSquare(const QColor& colour) {
    QImage square(kFrameSize, kFrameSize, QImage::Format_RGB32);
    square.fill(colour);
    return square;
}

QString hexText(std::int32_t code) {
    return QString::fromStdString(IntToHexText(code));
}

} // namespace

TilePanel::TilePanel(EditorContext& context) : context_(context) {
    QWidget* panel = context.panel;
    green_ = MakePictureBox(panel, QStringLiteral("Green"), QRect(272, 232, kFrameSize, kFrameSize),
                            false);
    green_->setPicture(solidSquare(QColor(224, 0, 128)));
    red_ = MakePictureBox(panel, QStringLiteral("Red"), QRect(272, 192, kFrameSize, kFrameSize),
                          false);
    red_->setPicture(solidSquare(QColor(224, 32, 64)));

    for (int n = 1; n <= kCells; ++n) {
        const int column = (n - 1) % kCellColumns;
        const int row = (n - 1) / kCellColumns;
        PictureBox* box =
            MakePictureBox(panel, QStringLiteral("Image") + QString::number(n),
                           QRect(8 + kPitch * column, 8 + kPitch * row, kBoxSize, kBoxSize), false);
        connect(box, &PictureBox::clicked, this, context.guard.wrap([this, n] { ImageClick(n); }));
    }
    for (int k = 1; k <= kPickers; ++k) {
        const int column = (k - 1) % kPickerColumns;
        const int row = (k - 1) / kPickerColumns;
        PictureBox* box = MakePictureBox(
            panel, QStringLiteral("Pic") + QString::number(k),
            QRect(288 + kPitch * column, 8 + kPitch * row, kBoxSize, kBoxSize), false);
        connect(box, &PictureBox::clicked, this, context.guard.wrap([this, k] { PicClick(k); }));
    }

    stringGrid1_ = new QTableWidget(1, kCells, panel);
    stringGrid1_->setObjectName(QStringLiteral("StringGrid1"));
    stringGrid1_->horizontalHeader()->hide();
    stringGrid1_->verticalHeader()->hide();
    stringGrid1_->setFocusPolicy(Qt::NoFocus);
    stringGrid1_->hide();
    for (int column = 0; column < kCells; ++column) {
        stringGrid1_->setItem(0, column, new QTableWidgetItem());
    }

    QPushButton* clear = MakeButton(panel, QStringLiteral("Button10"),
                                    QStringLiteral("Clear screen"), QRect(287, 544, 66, 25));
    clear->setToolTip(QStringLiteral("Clear the current screen"));
    connect(clear, &QPushButton::clicked, this, context.guard.wrap([this] { Button10Click(); }));
}

void TilePanel::ShowTileCode(int cell, std::int32_t code) {
    this->cell(cell)->loadPicture(QString::fromStdString(TilePicturePath(code)));
    setTileText(cell, hexText(code));
}

void TilePanel::FillTilePicker() {
    for (int k = 1; k <= kPickers; ++k) {
        picker(k)->loadPicture(QString::fromStdString(TilePicturePath(k - 1)));
    }
}

void TilePanel::ShowDefaultCells() {
    for (int n = 1; n <= kCells; ++n) {
        cell(n)->loadPicture(QString::fromStdString(TilePicturePath(0)));
    }
}

void TilePanel::HideFrames() {
    red_->move(kHiddenFrameCorner, kHiddenFrameCorner);
    green_->move(kHiddenFrameCorner, kHiddenFrameCorner);
    selectedCell_ = 0;
}

QString TilePanel::tileText(int cell) const {
    const QTableWidgetItem* entry = stringGrid1_->item(0, cell - 1);
    return entry == nullptr ? QString() : entry->text();
}

void TilePanel::setTileText(int cell, const QString& text) {
    QTableWidgetItem* entry = stringGrid1_->item(0, cell - 1);
    if (entry == nullptr) {
        stringGrid1_->setItem(0, cell - 1, new QTableWidgetItem(text));
    } else {
        entry->setText(text);
    }
}

PictureBox* TilePanel::cell(int n) const {
    return context_.panel->findChild<PictureBox*>(QStringLiteral("Image") + QString::number(n),
                                                  Qt::FindDirectChildrenOnly);
}

PictureBox* TilePanel::picker(int k) const {
    return context_.panel->findChild<PictureBox*>(QStringLiteral("Pic") + QString::number(k),
                                                  Qt::FindDirectChildrenOnly);
}

void TilePanel::ImageClick(int n) {
    selectedCell_ = n;
    const PictureBox* selected = cell(n);
    red_->move(selected->x() - 1, selected->y() - 1);
}

void TilePanel::PicClick(int k) {
    const PictureBox* picked = picker(k);
    if (selectedCell_ != 0) {
        cell(selectedCell_)->setPicture(picked->picture());
        setTileText(selectedCell_, hexText(k - 1));
    }
    green_->move(picked->x() - 1, picked->y() - 1);
}

void TilePanel::Button10Click() {
    for (int k = 1; k <= kCells; ++k) {
        ShowTileCode(k, 0);
    }
}
