// Shows the real editor window on the display it is given (Xvfb in
// tools/screenshot.sh) and saves what that display shows: once right after
// start-up, once after opening the image named on the command line.
//   window_screenshot <image.nes> <start-up.png> <loaded.png>
// Run it in a start directory that holds the picture folders.
#include "editor/MainWindow.h"
#include "ui/QtUserDialogs.h"

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <iostream>

namespace {

// The real dialogs, except that the open dialog picks the image at once.
class PickingDialogs : public QtUserDialogs {
public:
    explicit PickingDialogs(QString image) : image_(std::move(image)) {}
    std::optional<QString> chooseFileToOpen(QWidget*, const QString&, const QString&) override {
        return image_;
    }

private:
    QString image_;
};

bool SaveScreen(const QString& path) {
    QApplication::processEvents();
    return QGuiApplication::primaryScreen()->grabWindow(0).save(path, "PNG");
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("DunmoraEditor"));
    if (argc != 4) {
        std::cerr << "usage: window_screenshot <image.nes> <start-up.png> <loaded.png>\n";
        return 2;
    }
    PickingDialogs dialogs(QString::fromLocal8Bit(argv[1]));
    MainWindow window(dialogs, MainWindow::kRussian);
    window.show();
    int status = 0;
    QTimer::singleShot(500, [&] {
        if (!SaveScreen(QString::fromLocal8Bit(argv[2]))) {
            status = 1;
        }
        window.findChild<QPushButton*>(QStringLiteral("Button2"))->click();
        QTimer::singleShot(300, [&] {
            if (!SaveScreen(QString::fromLocal8Bit(argv[3]))) {
                status = 1;
            }
            QApplication::quit();
        });
    });
    QApplication::exec();
    return status;
}
