#include "ui/ErrorGuard.h"

#include "ui/UserDialogs.h"

#include <exception>

QString WithFullStop(const QString& text) {
    if (!text.isEmpty() && text.back() > QChar(u'.')) {
        return text + u'.';
    }
    return text;
}

ErrorGuard::ErrorGuard(QWidget* owner, UserDialogs& dialogs) : owner_(owner), dialogs_(dialogs) {}

bool ErrorGuard::run(const std::function<void()>& action) noexcept {
    try {
        action();
        return true;
    } catch (const std::exception& error) {
        dialogs_.showMessage(owner_, WithFullStop(QString::fromStdString(error.what())));
        return false;
    } catch (...) {
        dialogs_.showMessage(owner_, QStringLiteral("Unknown error."));
        return false;
    }
}
