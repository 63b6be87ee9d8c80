#include "editor/ScreenNavigation.h"

#include "editor/EditorContext.h"
#include "rom/RegionMap.h"
#include "ui/Controls.h"
#include "ui/ErrorGuard.h"
#include "ui/FieldHooks.h"

#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr std::int32_t kFirstScreen = 1;
constexpr std::int32_t kLastScreen = region::kScreenCount;
} // namespace

ScreenNavigation::ScreenNavigation(EditorContext& context) {
    QWidget* panel = context.panel;
    MakeLabel(panel, QStringLiteral("Label1"), QStringLiteral("Screen number"), 184, 527);
    button3_ =
        MakeButton(panel, QStringLiteral("Button3"), QStringLiteral("<"), QRect(168, 544, 25, 25));
    FieldHooks* hooks = nullptr;
    edit1_ = MakeNumberField(panel, QStringLiteral("Edit1"), QStringLiteral("55"), 199, 544,
                             context.guard, &hooks);
    button4_ =
        MakeButton(panel, QStringLiteral("Button4"), QStringLiteral(">"), QRect(246, 544, 25, 25));
    button3_->setEnabled(false);
    button4_->setEnabled(false);

    hooks->charTyped = [this](QChar typed) { return Edit1KeyPress(typed); };
    hooks->keyDown = [this] { Edit1KeyDown(); };
    hooks->mouseMove = [this] { Edit1MouseMove(); };
    connect(button3_, &QPushButton::clicked, this, context.guard.wrap([this] { Button3Click(); }));
    connect(button4_, &QPushButton::clicked, this, context.guard.wrap([this] { Button4Click(); }));
}

void ScreenNavigation::setScreenText(const QString& text) {
    edit1_->setText(text);
}

std::int32_t ScreenNavigation::BoundScreenNumber() {
    if (FieldNumber(edit1_) > kLastScreen) {
        SetFieldNumber(edit1_, kLastScreen);
    }
    if (FieldNumber(edit1_) < kFirstScreen) {
        SetFieldNumber(edit1_, kFirstScreen);
    }
    return FieldNumber(edit1_);
}

bool ScreenNavigation::Edit1KeyPress(QChar typed) const {
    return IsDigitCharacter(typed);
}

void ScreenNavigation::Edit1KeyDown() {
    BoundScreenNumber();
}

void ScreenNavigation::Edit1MouseMove() {
    BoundScreenNumber();
}

void ScreenNavigation::Button3Click() {
    const std::int32_t number = FieldNumber(edit1_);
    SetFieldNumber(edit1_, number <= kFirstScreen ? kFirstScreen : number - 1);
    reloadScreen();
}

void ScreenNavigation::Button4Click() {
    const std::int32_t number = FieldNumber(edit1_);
    SetFieldNumber(edit1_, number >= kLastScreen ? kLastScreen : number + 1);
    reloadScreen();
}
