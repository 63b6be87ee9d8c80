// Starts the editor: one window, in the Russian interface.
#include "editor/MainWindow.h"
#include "ui/QtUserDialogs.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("DunmoraEditor"));
    QtUserDialogs dialogs;
    MainWindow window(dialogs, MainWindow::kRussian);
    window.show();
    return QApplication::exec();
}
