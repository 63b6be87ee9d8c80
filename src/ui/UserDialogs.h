// Every question the editor puts to the user goes through this interface, so that a test can
// play the user's part (which file is picked, Yes or No) while the rest of the program runs for
// real.
#pragma once

#include <QString>
#include <optional>

class QWidget;

class UserDialogs {
public:
    virtual ~UserDialogs() = default;

    // The filter is in Qt form ("Map file (*.map);;Any file (*)"); nullopt means cancelled.
    virtual std::optional<QString> chooseFileToOpen(QWidget* parent, const QString& title,
                                                    const QString& filter) = 0;
    // The default suffix is given without a dot ("map") and is added to a name without one.
    virtual std::optional<QString> chooseFileToSave(QWidget* parent, const QString& title,
                                                    const QString& filter,
                                                    const QString& defaultSuffix) = 0;
    // A plain message captioned with the application title, one OK button, no icon.
    virtual void showMessage(QWidget* parent, const QString& text) = 0;
    // A modal question with a question icon; true for Yes.
    virtual bool askYesNo(QWidget* parent, const QString& caption, const QString& text) = 0;
};
