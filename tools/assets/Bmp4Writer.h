// Writes 16-colour (4 bits per pixel, uncompressed) Windows BMP files. Qt's own BMP writer
// only produces 8, 24 or 32 bits per pixel, and the start-up help picture is a 16-colour one.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace bmp4 {

// The image must be Format_Indexed8 with at most 16 colours in its table.
QByteArray encode(const QImage& indexed);

// Throws std::runtime_error when the image does not fit the format or the file cannot be written.
void save(const QImage& indexed, const QString& path);

} // namespace bmp4
