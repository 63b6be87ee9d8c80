// The screen number field and the "<" and ">" buttons that step between the
// 128 screens; every step loads the screen at once.
#pragma once

#include <QObject>
#include <cstdint>
#include <functional>

class QLineEdit;
class QPushButton;
struct EditorContext;

class ScreenNavigation : public QObject {
    Q_OBJECT

public:
    explicit ScreenNavigation(EditorContext& context);

    QLineEdit* field() const { return edit1_; }
    void setScreenText(const QString& text);
    // Keeps the number within 1..128 in the field itself and returns it.
    std::int32_t BoundScreenNumber();

    std::function<void()> reloadScreen;

private:
    bool Edit1KeyPress(QChar typed) const;
    void Edit1KeyDown();
    void Edit1MouseMove();
    void Button3Click();
    void Button4Click();

    QLineEdit* edit1_;
    QPushButton* button3_;
    QPushButton* button4_;
};
