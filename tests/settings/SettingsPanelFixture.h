// The settings panels under test stand on a real 825 x 580 frame over a demo
// image in a temporary folder; only the user's answers are scripted, and every
// check of a save reads the bytes back from the file.
#pragma once

#include "DemoImage.h"
#include "ScriptedDialogs.h"
#include "TempImage.h"
#include "editor/EditorContext.h"
#include "ui/ErrorGuard.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWidget>
#include <cstdint>
#include <gtest/gtest.h>
#include <vector>

class SettingsPanelFixture : public ::testing::Test {
protected:
    SettingsPanelFixture() : guard(&panel, dialogs), context{&panel, guard, dialogs, state} {
        panel.resize(825, 580);
        demo::WriteDemoImage(imagePath().string());
        state.image.setPath(imagePath().string());
    }

    std::filesystem::path imagePath() const { return folder.file("Dunmora.nes"); }
    std::vector<std::uint8_t> imageBytes() const { return ReadFileBytes(imagePath()); }

    template <class Control> Control* control(const char* name) {
        auto* found = panel.findChild<Control*>(QString::fromLatin1(name));
        if (found == nullptr) {
            ADD_FAILURE() << "no control " << name;
        }
        return found;
    }
    QLineEdit* field(const char* name) { return control<QLineEdit>(name); }
    // Opening an image enables the ROM buttons; the panels start with them off.
    void click(const char* name) {
        QPushButton* button = control<QPushButton>(name);
        button->setEnabled(true);
        button->click();
    }
    void showPanel() {
        panel.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    }

    TempFolder folder;
    QWidget panel;
    ScriptedDialogs dialogs;
    ErrorGuard guard;
    EditorState state;
    EditorContext context;
};
