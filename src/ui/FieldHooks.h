// The editor's handlers rely on three events of a text field that Qt does not offer as such:
// a character about to be typed (which the handler may discard), a key going down before it
// acts, and the mouse moving over the field whether or not it has the focus. One event filter
// per field turns Qt's key and mouse events into these.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

class ErrorGuard;
class QKeyEvent;
class QWidget;

class FieldHooks : public QObject {
    Q_OBJECT

public:
    // Works for QLineEdit and QPlainTextEdit; the hooks live as long as the field. With a guard,
    // each callback runs under it, and a key whose key-down failed loses its own action but still
    // types its character, as on Windows; without one,
    // the callbacks must not throw.
    static FieldHooks* attach(QWidget* field, ErrorGuard* guard = nullptr);

    // The character about to enter the field, control characters included (Backspace 0x08,
    // Enter 0x0D, Ctrl+V 0x16); false discards the whole keystroke. Keys that type nothing
    // (Delete, arrows, Tab) never reach it.
    std::function<bool(QChar)> charTyped;
    // Every key pressed in the field, before it acts and before charTyped.
    std::function<void()> keyDown;
    // Every move of the mouse over the field, focused or not.
    std::function<void()> mouseMove;

    // The characters that a key event types, as the Windows keyboard would report them.
    static QString typedCharacters(const QKeyEvent& event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FieldHooks(QWidget* field, ErrorGuard* guard);
    bool call(const std::function<void()>& action);
    bool onKeyPress(const QKeyEvent& event);

    QWidget* field_;
    QWidget* mouseArea_;
    ErrorGuard* guard_;
};
