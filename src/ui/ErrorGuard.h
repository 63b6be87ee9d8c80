// The one place where failures meet the user. Handlers catch nothing: the first error stops the
// running handler, and the guard around it shows the error's text in a message box and lets the
// event loop carry on. No exception may cross the Qt event loop, so the guard takes them all.
#pragma once

#include <QString>
#include <functional>

class QWidget;
class UserDialogs;

// A full stop is added when the last character sorts after '.' ("I/O error 5" gets one,
// "Select!" and "Done." do not); an empty text stays empty.
QString WithFullStop(const QString& text);

class ErrorGuard {
public:
    ErrorGuard(QWidget* owner, UserDialogs& dialogs);

    // Runs the action; true when it ran to its end, false when a failure was shown instead.
    bool run(const std::function<void()>& action) noexcept;

    // A slot for connect(): the action run under this guard.
    template <class F> auto wrap(F action) {
        return [this, action] { run(action); };
    }

private:
    QWidget* owner_;
    UserDialogs& dialogs_;
};
