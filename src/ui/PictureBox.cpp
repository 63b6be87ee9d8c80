#include "ui/PictureBox.h"

#include "ui/PictureFile.h"

#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget* parent, bool scaled) : QWidget(parent), scaled_(scaled) {
    setFocusPolicy(Qt::NoFocus);
}

void PictureBox::setScaled(bool scaled) {
    scaled_ = scaled;
    update();
}

void PictureBox::setPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void PictureBox::loadPicture(const QString& relativePath) {
    setPicture(LoadBitmapPicture(relativePath));
}

void PictureBox::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) {
        return;
    }
    QPainter painter(this);
    if (scaled_) {
        painter.drawImage(rect(), picture_);
    } else {
        painter.drawImage(0, 0, picture_);
    }
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    leftPressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

// A click is a left press and its release over the box, as a button counts it.
void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = leftPressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    leftPressed_ = false;
    event->accept();
    if (click) {
        emit clicked();
    }
}
