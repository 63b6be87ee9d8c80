// What every panel of the window shares: the panel its controls stand on, the
// one error path, the user's side of the dialogs, and the editor-wide state
// that is not kept in a control.
#pragma once

#include "rom/RomImage.h"

#include <QString>
#include <cstdint>

class ErrorGuard;
class QWidget;
class UserDialogs;

struct EditorState {
    RomImage image;
    QString startDirectory;
    std::int32_t currentRecordOffset = 0;
    bool firstLoadDone = false;
    // 0 while no end screen has been learnt from the image or saved.
    std::int32_t endScreenRecordOffset = 0;
};

struct EditorContext {
    QWidget* panel;
    ErrorGuard& guard;
    UserDialogs& dialogs;
    EditorState& state;
};

// Every operation that reads pictures or shows a dialog starts from the start
// directory, where the picture folders lie.
void EnterStartDirectory(const EditorState& state);
// The image path as the file system wants it.
std::string ImagePathForFiles(const QString& path);
