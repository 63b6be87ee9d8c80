// The About button: the editor's title, version and credits.
#pragma once

#include <QObject>

class ErrorGuard;
class QPushButton;
class QWidget;
class UserDialogs;

class AboutButton : public QObject {
    Q_OBJECT

public:
    AboutButton(QWidget* panel, ErrorGuard& guard, UserDialogs& dialogs);

    QPushButton* button() const { return bitBtn1_; }
    static QString AboutText();
    void BitBtn1Click();

private:
    QPushButton* bitBtn1_;
    UserDialogs& dialogs_;
};
