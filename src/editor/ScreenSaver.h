// Save screen: writes the fields of the screen last loaded back over its
// record. Every field is converted before the first byte is written, so a
// field that holds no number leaves the record as it was.
#pragma once

#include "editor/ScreenPanels.h"

#include <QObject>

class QPushButton;
struct EditorContext;

class ScreenSaver : public QObject {
    Q_OBJECT

public:
    ScreenSaver(EditorContext& context, ScreenPanels panels);

    QPushButton* button() const { return button5_; }
    void Button5Click();

private:
    EditorContext& context_;
    ScreenPanels panels_;
    QPushButton* button5_;
};
