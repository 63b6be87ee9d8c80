#include "editor/EditorContext.h"

#include <QDir>
#include <QFile>

void EnterStartDirectory(const EditorState& state) {
    QDir::setCurrent(state.startDirectory);
}

std::string ImagePathForFiles(const QString& path) {
    return QFile::encodeName(path).toStdString();
}
