// Open ROM: binds the image the user picks and shows its start screen.
#pragma once

#include <QObject>
#include <functional>

class QPushButton;
struct EditorContext;

class RomOpener : public QObject {
    Q_OBJECT

public:
    explicit RomOpener(EditorContext& context);

    QPushButton* button() const { return button2_; }
    void Button2Click();

    std::function<void()> reloadScreen;

private:
    EditorContext& context_;
    QPushButton* button2_;
};
