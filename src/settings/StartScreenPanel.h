// The screen on which the game begins is one byte of the image. This panel
// shows it as a screen number that the user steps or types, and writes it back
// only on its own Save, apart from the screen record.
#pragma once

#include <QObject>
#include <cstdint>

struct EditorContext;
class QChar;
class QLineEdit;

class StartScreenPanel : public QObject {
    Q_OBJECT

public:
    explicit StartScreenPanel(EditorContext& context);

    // A screen load decodes the stored byte here; a byte that names no screen
    // leaves the field's text as it was.
    void ShowStartScreenByte(std::uint8_t byte);
    // The first load copies this field's text into the screen number.
    QLineEdit* field() const { return startscreen_; }

private:
    void Button35Click();
    void Button36Click();
    bool StartscreenKeyPress(QChar typed);
    void StartscreenKeyDown();
    void StartscreenMouseMove();
    void Button37Click();

    void clampField();

    EditorContext& context_;
    QLineEdit* startscreen_ = nullptr;
};
