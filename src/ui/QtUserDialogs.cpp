#include "ui/QtUserDialogs.h"

#include <QFileDialog>
#include <QMessageBox>

namespace {

std::optional<QString> runFileDialog(QFileDialog& dialog) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

} // namespace

std::optional<QString> QtUserDialogs::chooseFileToOpen(QWidget* parent, const QString& title,
                                                       const QString& filter) {
    QFileDialog dialog(parent, title, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return runFileDialog(dialog);
}

std::optional<QString> QtUserDialogs::chooseFileToSave(QWidget* parent, const QString& title,
                                                       const QString& filter,
                                                       const QString& defaultSuffix) {
    QFileDialog dialog(parent, title, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    return runFileDialog(dialog);
}

void QtUserDialogs::showMessage(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("DunmoraEditor"), text, QMessageBox::Ok,
                    parent);
    box.exec();
}

bool QtUserDialogs::askYesNo(QWidget* parent, const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No,
                    parent);
    return box.exec() == QMessageBox::Yes;
}
