// An objects panel on a real 825 x 580 panel, shown, in a start directory of real pictures,
// brought up the way the window's creation brings it up; controls are found by their names.
#pragma once

#include "ScriptedDialogs.h"
#include "StartDirectory.h"
#include "editor/EditorContext.h"
#include "objects/ObjectsPanel.h"
#include "ui/ErrorGuard.h"
#include "ui/PictureBox.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

class ObjectsFixture : public ::testing::Test {
protected:
    ObjectsFixture();

    template <class Control> Control* find(const char* name) const {
        auto* control = panel.findChild<Control*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    QLineEdit* field(const char* name) const { return find<QLineEdit>(name); }
    PictureBox* picture(const char* name) const { return find<PictureBox>(name); }
    QCheckBox* box(const char* name) const { return find<QCheckBox>(name); }
    QString text(const char* name) const { return field(name)->text(); }
    QPoint place(const char* name) const { return picture(name)->pos(); }
    void click(const char* button, int times = 1) const;
    // True when the box shows exactly that file of the start directory.
    bool shows(const char* box, const char* file) const;
    // The screen loader's steps for the item and the enemies, in its order.
    void load(const ScreenRecord& record);

    StartDirectory start;
    QWidget panel;
    ScriptedDialogs dialogs;
    ErrorGuard guard{&panel, dialogs};
    EditorState state;
    EditorContext context{&panel, guard, dialogs, state};
    std::unique_ptr<ObjectsPanel> objects;
};
