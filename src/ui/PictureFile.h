// Pictures are Windows BMP files found by a path relative to the current directory, as on
// Windows: letter case in the path does not matter. They are read afresh at every load, never
// cached, and a file that is missing or not a whole bitmap stops the caller with the user's text.
#pragma once

#include <QImage>
#include <QString>

// Throws EditorError "Cannot open file <relativePath>" when there is no such file, and
// "Bitmap image is not valid" when the file is not a complete BMP.
QImage LoadBitmapPicture(const QString& relativePath);
