// The palette presets are stepped with a spin button: an up arrow above a down arrow whose held
// arrow repeats, and which answers the Up and Down keys when it has the keyboard focus. Qt has
// no such stand-alone control, so two arrow buttons make one.
#pragma once

#include <QWidget>

class QToolButton;

class SpinButton : public QWidget {
    Q_OBJECT

public:
    explicit SpinButton(QWidget* parent = nullptr);

    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

signals:
    void upClicked();
    void downClicked();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QToolButton* up_;
    QToolButton* down_;
};
