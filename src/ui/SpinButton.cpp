#include "ui/SpinButton.h"

#include <QKeyEvent>
#include <QToolButton>

namespace {

constexpr int firstRepeatMilliseconds = 400;
constexpr int repeatMilliseconds = 100;

QToolButton* makeArrow(QWidget* parent, Qt::ArrowType arrow) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRepeat(true);
    button->setAutoRepeatDelay(firstRepeatMilliseconds);
    button->setAutoRepeatInterval(repeatMilliseconds);
    return button;
}

} // namespace

SpinButton::SpinButton(QWidget* parent)
    : QWidget(parent), up_(makeArrow(this, Qt::UpArrow)), down_(makeArrow(this, Qt::DownArrow)) {
    setFocusPolicy(Qt::StrongFocus);
    connect(up_, &QToolButton::clicked, this, &SpinButton::upClicked);
    connect(down_, &QToolButton::clicked, this, &SpinButton::downClicked);
}

void SpinButton::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int upHeight = height() / 2;
    up_->setGeometry(0, 0, width(), upHeight);
    down_->setGeometry(0, upHeight, width(), height() - upHeight);
}

void SpinButton::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up:
        emit upClicked();
        break;
    case Qt::Key_Down:
        emit downClicked();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}
