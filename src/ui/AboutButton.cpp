#include "ui/AboutButton.h"

#include "ui/Controls.h"
#include "ui/ErrorGuard.h"
#include "ui/UserDialogs.h"

#include <QApplication>
#include <QPushButton>
#include <QStyle>

AboutButton::AboutButton(QWidget* panel, ErrorGuard& guard, UserDialogs& dialogs)
    : dialogs_(dialogs) {
    bitBtn1_ = MakeButton(panel, QStringLiteral("BitBtn1"), QStringLiteral("&About..."),
                          QRect(744, 544, 71, 25));
    bitBtn1_->setIcon(panel->style()->standardIcon(QStyle::SP_MessageBoxQuestion));
    bitBtn1_->setIconSize(QSize(16, 16));
    connect(bitBtn1_, &QPushButton::clicked, this, guard.wrap([this] { BitBtn1Click(); }));
}

QString AboutButton::AboutText() {
    return tr("DunmoraEditor  ver.1.0") + QStringLiteral("\n\n") +
           tr("A level editor for the Dunmora cartridge image.") + QLatin1Char('\n') +
           tr("Made by the DunmoraEditor developers.") + QLatin1Char('\n') +
           tr("Tiles, items, enemies and banners are the project's own art.");
}

void AboutButton::BitBtn1Click() {
    dialogs_.showMessage(bitBtn1_->window(), AboutText());
}
