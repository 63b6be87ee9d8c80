// The user's side of the dialogs as the running program shows them: Qt's own file dialogs (not
// the desktop's, whose filters may hide files without an extension) and message boxes.
#pragma once

#include "ui/UserDialogs.h"

class QtUserDialogs : public UserDialogs {
public:
    std::optional<QString> chooseFileToOpen(QWidget* parent, const QString& title,
                                            const QString& filter) override;
    std::optional<QString> chooseFileToSave(QWidget* parent, const QString& title,
                                            const QString& filter,
                                            const QString& defaultSuffix) override;
    void showMessage(QWidget* parent, const QString& text) override;
    bool askYesNo(QWidget* parent, const QString& caption, const QString& text) override;
};
