#include "ui/FieldHooks.h"

#include "ui/ErrorGuard.h"

#include <QAbstractScrollArea>
#include <QKeyEvent>

FieldHooks::FieldHooks(QWidget* field, ErrorGuard* guard)
    : QObject(field), field_(field), mouseArea_(field), guard_(guard) {
    // A scroll area's text lies in its viewport; moves over its scroll bars do not count, as
    // they lie outside the field's client area on Windows.
    if (auto* scrollArea = qobject_cast<QAbstractScrollArea*>(field)) {
        mouseArea_ = scrollArea->viewport();
    }
    mouseArea_->setMouseTracking(true);
    field_->installEventFilter(this);
    if (mouseArea_ != field_) {
        mouseArea_->installEventFilter(this);
    }
}

FieldHooks* FieldHooks::attach(QWidget* field, ErrorGuard* guard) {
    return new FieldHooks(field, guard);
}

QString FieldHooks::typedCharacters(const QKeyEvent& event) {
    const int key = event.key();
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return {};
    case Qt::Key_Backspace:
        return QString(QChar(0x08));
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QString(QChar(0x0D));
    case Qt::Key_Escape:
        return QString(QChar(0x1B));
    default:
        break;
    }
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (modifiers.testFlag(Qt::ControlModifier) && !modifiers.testFlag(Qt::AltModifier) &&
        key >= Qt::Key_A && key <= Qt::Key_Z) {
        return QString(QChar(key - Qt::Key_A + 1));
    }
    QString text = event.text();
    text.remove(QChar(0x7F));
    return text;
}

bool FieldHooks::call(const std::function<void()>& action) {
    if (guard_ != nullptr) {
        return guard_->run(action);
    }
    action();
    return true;
}

// True when the key must have no effect. A key-down callback that failed takes
// the key's own action away, yet the character the key types still arrives, as
// it does on Windows, where it comes as a message of its own: a digit typed into
// an emptied number field reaches it after the error.
bool FieldHooks::onKeyPress(const QKeyEvent& event) {
    const bool keyActs = !keyDown || call(keyDown);
    const QString typed = typedCharacters(event);
    if (!charTyped) {
        return !keyActs && typed.isEmpty();
    }
    if (typed.isEmpty()) {
        return !keyActs;
    }
    bool accepted = true;
    for (const QChar character : typed) {
        if (!call([this, character, &accepted] { accepted = charTyped(character); }) || !accepted) {
            return true;
        }
    }
    return false;
}

bool FieldHooks::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove && watched == mouseArea_) {
        if (mouseMove) {
            call(mouseMove);
        }
        return false;
    }
    if (event->type() == QEvent::KeyPress && watched == field_) {
        return onKeyPress(*static_cast<QKeyEvent*>(event));
    }
    return false;
}
