// Shared drawing and saving helpers, so that every generated picture names, labels and
// stores itself the same way.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>

namespace art {

// Upper-case hexadecimal without leading zeros, the form the editor builds file names from.
QString hexText(int value);

QImage newCanvas(int width, int height, const QColor& fill);

// Picks the first installed family of the list, so the pictures look the same on every
// machine that has the Debian font packages.
QFont pixelFont(const QStringList& families, int pixelSize, bool bold, bool antialias);

// Text that stays legible on any background: a dark rim drawn around a light fill.
void drawOutlinedText(QPainter& painter, const QRect& box, int flags, const QString& text,
                      const QColor& fill, const QColor& outline);

// Small id tag in a corner of a 32 x 32 figure picture.
void drawIdTag(QPainter& painter, int id, const QColor& fill);

// Writes a 24-bit Windows BMP, creating the folder first; throws std::runtime_error on failure.
void saveBmp24(const QImage& image, const QString& path);

} // namespace art
