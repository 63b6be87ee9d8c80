// The editor's file filters are written as description|pattern pairs ("Map file (*.map)|*.map");
// Qt's dialogs want "Map file (*.map)" entries joined by ";;". In that conversion "*.*" must
// still mean every file, including files whose name has no dot, as it does on Windows.
#pragma once

#include <QString>

// "Any file (*.*)|*.*" gives "Any file (*)"; patterns of one pair are separated by ';'.
// A description without a pattern after it is dropped.
QString QtFileFilter(const QString& pipeFilter);
