#include "ArtKit.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <stdexcept>

namespace art {

QString hexText(int value) {
    return QString::number(value, 16).toUpper();
}

QImage newCanvas(int width, int height, const QColor& fill) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

QFont pixelFont(const QStringList& families, int pixelSize, bool bold, bool antialias) {
    const QStringList installed = QFontDatabase::families();
    QString chosen = families.value(0);
    for (const QString& family : families) {
        if (installed.contains(family)) {
            chosen = family;
            break;
        }
    }
    QFont font(chosen);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(antialias ? QFont::PreferAntialias : QFont::NoAntialias);
    return font;
}

void drawOutlinedText(QPainter& painter, const QRect& box, int flags, const QString& text,
                      const QColor& fill, const QColor& outline) {
    painter.setPen(outline);
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            if (dx != 0 || dy != 0) {
                painter.drawText(box.translated(dx, dy), flags, text);
            }
        }
    }
    painter.setPen(fill);
    painter.drawText(box, flags, text);
}

void drawIdTag(QPainter& painter, int id, const QColor& fill) {
    painter.save();
    painter.setFont(pixelFont({"Liberation Sans Narrow", "DejaVu Sans Condensed"}, 9, true, true));
    drawOutlinedText(painter, QRect(0, 21, 31, 11), Qt::AlignRight | Qt::AlignBottom, hexText(id),
                     fill, QColor(0, 0, 0));
    painter.restore();
}

void saveBmp24(const QImage& image, const QString& path) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        throw std::runtime_error("cannot create the folder of " + path.toStdString());
    }
    if (!image.convertToFormat(QImage::Format_RGB888).save(path, "BMP")) {
        throw std::runtime_error("cannot write " + path.toStdString());
    }
}

} // namespace art
