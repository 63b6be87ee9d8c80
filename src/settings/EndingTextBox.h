// The ending text is exactly 116 game characters, and a multi-line Qt text box
// has no length limit of its own. This box refuses what would make the user's
// text longer, whether typed, pasted or dropped; the program's own writes
// (the loader's appends, the instruction text) are not limited.
#pragma once

#include <QPlainTextEdit>

class EndingTextBox : public QPlainTextEdit {
    Q_OBJECT

public:
    EndingTextBox(QWidget* parent, int maxLength);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    // How many characters an insertion at the cursor may add.
    qsizetype room() const;

    int maxLength_;
};
