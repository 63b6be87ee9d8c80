// Reload screen: fills every field of the current screen and the game-wide
// settings from the image, read afresh. A failure stops the load where it
// happens: earlier fields show the new screen, later ones keep the old.
#pragma once

#include "editor/ScreenPanels.h"

#include <QObject>

class QPushButton;
struct EditorContext;

class ScreenLoader : public QObject {
    Q_OBJECT

public:
    ScreenLoader(EditorContext& context, ScreenPanels panels, QPushButton* saveButton);

    QPushButton* button() const { return button1_; }
    void Button1Click();

private:
    void readGameWideSettings();

    EditorContext& context_;
    ScreenPanels panels_;
    QPushButton* saveButton_;
    QPushButton* button1_;
};
