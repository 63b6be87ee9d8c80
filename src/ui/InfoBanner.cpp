#include "ui/InfoBanner.h"

#include "ui/Controls.h"
#include "ui/ErrorGuard.h"
#include "ui/PictureBox.h"

#include <QImage>
#include <QTimer>

InfoBanner::InfoBanner(QWidget* panel, ErrorGuard& guard) {
    image49_ = MakePictureBox(panel, QStringLiteral("Image49"), QRect(288, 384, 329, 148), false);
    image49_->setPicture(QImage(QStringLiteral(":/pictures/help.bmp")));
    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(kIntervalMs);
    connect(timer1_, &QTimer::timeout, this, guard.wrap([this] { Timer1Timer(); }));
    timer1_->start();
}

void InfoBanner::Timer1Timer() {
    counter_ = counter_ + 1 == 3 ? 1 : counter_ + 1;
    image49_->loadPicture(QStringLiteral("info/info%1.bmp").arg(counter_));
}
