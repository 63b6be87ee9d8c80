// A real editor window in a temporary start directory, with the user's side of
// its dialogs scripted.
#pragma once

#include "ScriptedDialogs.h"
#include "StartDirectory.h"
#include "editor/MainWindow.h"

#include <QAbstractButton>
#include <QFrame>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

class EditorWindowTest : public ::testing::Test {
protected:
    void makeWindow(int languageFlag = MainWindow::kRussian) {
        window_ = std::make_unique<MainWindow>(dialogs_, languageFlag);
    }

    template <typename Control = QWidget> Control* control(const QString& name) const {
        auto* found = window_->panel()->findChild<Control*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QString text(const QString& name) const { return control<QLineEdit>(name)->text(); }
    void setText(const QString& name, const QString& value) const {
        control<QLineEdit>(name)->setText(value);
    }
    // A button's click, or a left click on any other control (a picture box).
    void click(const QString& name) const {
        QWidget* widget = control(name);
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            button->click();
        } else {
            QTest::mouseClick(widget, Qt::LeftButton);
        }
    }

    // Open ROM with the user picking this file.
    void openImage(const std::filesystem::path& image) {
        dialogs_.files.push_back(QString::fromStdString(image.string()));
        click(QStringLiteral("Button2"));
    }

    StartDirectory start_;
    ScriptedDialogs dialogs_;
    std::unique_ptr<MainWindow> window_;
};
