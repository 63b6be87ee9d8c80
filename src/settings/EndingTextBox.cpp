#include "settings/EndingTextBox.h"

#include <QKeyEvent>
#include <QMimeData>
#include <algorithm>

EndingTextBox::EndingTextBox(QWidget* parent, int maxLength)
    : QPlainTextEdit(parent), maxLength_(maxLength) {}

qsizetype EndingTextBox::room() const {
    const qsizetype kept = toPlainText().size() - textCursor().selectedText().size();
    return std::max<qsizetype>(0, maxLength_ - kept);
}

void EndingTextBox::keyPressEvent(QKeyEvent* event) {
    // Control shortcuts (copy, select all, paste) carry a letter as their text
    // on some platforms; they insert nothing themselves, so a full box keeps
    // them.
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const bool shortcut =
        (modifiers.testFlag(Qt::ControlModifier) && !modifiers.testFlag(Qt::AltModifier)) ||
        modifiers.testFlag(Qt::MetaModifier);
    const QString typed = event->text();
    if (!shortcut && !typed.isEmpty() && typed.front().isPrint() && typed.size() > room()) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void EndingTextBox::insertFromMimeData(const QMimeData* source) {
    if (!source->hasText()) {
        return;
    }
    QMimeData fitting;
    fitting.setText(source->text().left(room()));
    QPlainTextEdit::insertFromMimeData(&fitting);
}
