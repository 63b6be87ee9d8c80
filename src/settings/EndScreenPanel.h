// The screen whose entry ends the game is stored by patching the game itself:
// a routine over that screen's record and four calls to it. This panel shows
// the end screen read back from the last call and writes a new patch on its
// own Save, clearing the record that held the previous one.
#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>

struct EditorContext;
class QChar;
class QLineEdit;

class EndScreenPanel : public QObject {
    Q_OBJECT

public:
    explicit EndScreenPanel(EditorContext& context);

    // A screen load without the marker: no end screen is set.
    void ShowNoEndScreen();
    // A screen load with the marker: the screen the stored entry address
    // points into, shown unchanged even when it names no screen.
    void ShowEntryAddress(std::int32_t address);
    // At the end of a screen load that found the marker: the first such load
    // after opening an image remembers the record that holds the patch.
    void LearnEndScreenRecord();

    // The text of the screen number field, and a run of Reload screen: Save
    // reloads when the end screen is the screen shown.
    std::function<QString()> currentScreenText;
    std::function<void()> reloadScreen;

private:
    void Button38Click();
    void Button39Click();
    bool EndscreenKeyPress(QChar typed);
    void EndscreenKeyDown();
    void EndscreenMouseMove();
    void Button40Click();

    void writeEndScreen(std::int32_t screen);
    void setClamped(std::int32_t value, std::int32_t clamped);
    QString confirmationText() const;

    EditorContext& context_;
    QLineEdit* endscreen_ = nullptr;
    QLineEdit* pointertext_ = nullptr;
};
