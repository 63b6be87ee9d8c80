// The text the game shows when the player reaches the end screen: 116 game
// characters that the end-screen routine copies onto the screen. This panel
// holds it in an editable box that the screen loader fills and that the
// user writes back with its own Save.
#pragma once

#include <QObject>
#include <cstdint>

struct EditorContext;
class EndingTextBox;
class QChar;

class EndingTextPanel : public QObject {
    Q_OBJECT

public:
    explicit EndingTextPanel(EditorContext& context);

    // Window creation puts the instruction text in the box; the first screen
    // load replaces it.
    void ShowInstructionText();
    // A screen load empties the box and appends the decoded characters one by
    // one as it reads them, so a load that stops part-way leaves part of it.
    void Clear();
    void AppendCode(std::uint8_t code);

private:
    bool Memo1KeyPress(QChar typed);
    void Button41Click();

    EditorContext& context_;
    EndingTextBox* memo1_ = nullptr;
};
