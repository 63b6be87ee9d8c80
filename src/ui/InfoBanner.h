// The info banner: the help picture at start-up, then every 20 seconds one of
// the two pictures of the info folder, in turn.
#pragma once

#include <QObject>

class ErrorGuard;
class PictureBox;
class QTimer;
class QWidget;

class InfoBanner : public QObject {
    Q_OBJECT

public:
    static constexpr int kIntervalMs = 20000;

    InfoBanner(QWidget* panel, ErrorGuard& guard);

    PictureBox* picture() const { return image49_; }
    QTimer* timer() const { return timer1_; }
    int counter() const { return counter_; }

    void Timer1Timer();

private:
    PictureBox* image49_;
    QTimer* timer1_;
    int counter_ = 0;
};
