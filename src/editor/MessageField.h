// The screen's 16-character message: shown decoded from the game's character
// codes, and encoded back when the screen is saved.
#pragma once

#include "rom/ScreenRecord.h"

#include <QObject>
#include <array>

class QLineEdit;
struct EditorContext;

class MessageField : public QObject {
    Q_OBJECT

public:
    explicit MessageField(EditorContext& context);

    QLineEdit* field() const { return edit2_; }
    void ShowCodes(const std::array<std::uint8_t, ScreenRecord::kMessageLength>& codes);
    // The field takes trailing spaces up to 16 characters, as the game stores them.
    std::array<std::uint8_t, ScreenRecord::kMessageLength> PadAndEncode();

private:
    QLineEdit* edit2_;
};
