#include "ui/PictureFile.h"

#include "rom/EditorError.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>
#include <cstdint>
#include <cstdlib>

namespace {

// The exact name wins; otherwise the first entry, in name order, that differs only in case.
QString resolveComponent(const QDir& directory, const QString& name) {
    if (name == u"." || name == u".." || directory.exists(name)) {
        return name;
    }
    const QStringList entries =
        directory.entryList(QDir::AllEntries | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0) {
            return entry;
        }
    }
    return name;
}

QString resolveIgnoringCase(const QString& path) {
    const QString normalized = QDir::fromNativeSeparators(path);
    QDir directory = QDir::isAbsolutePath(normalized) ? QDir::root() : QDir::current();
    const QStringList components = normalized.split(u'/', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i + 1 < components.size(); ++i) {
        if (!directory.cd(resolveComponent(directory, components[i]))) {
            return directory.filePath(components.mid(i).join(u'/'));
        }
    }
    return components.isEmpty()
               ? QString()
               : directory.filePath(resolveComponent(directory, components.back()));
}

std::uint32_t u32(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

std::uint16_t u16(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

std::int32_t s32(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<qint32>(bytes.constData() + at);
}

// Qt's reader fills missing pixel rows silently, so the file must hold all the pixel bytes that
// its headers promise.
bool holdsWholeBitmap(const QByteArray& bytes) {
    constexpr qsizetype fileHeaderSize = 14;
    constexpr qsizetype coreHeaderSize = 12;
    constexpr std::uint32_t rle8 = 1;
    constexpr std::uint32_t rle4 = 2;
    if (bytes.size() < fileHeaderSize + 4 || !bytes.startsWith("BM")) {
        return false;
    }
    const std::uint64_t pixelOffset = u32(bytes, 10);
    const std::uint32_t infoSize = u32(bytes, fileHeaderSize);
    if (infoSize < coreHeaderSize ||
        static_cast<std::uint64_t>(bytes.size()) < fileHeaderSize + std::uint64_t{infoSize}) {
        return false;
    }
    std::uint64_t width = 0;
    std::uint64_t height = 0;
    std::uint64_t bitsPerPixel = 0;
    std::uint32_t compression = 0;
    std::uint64_t imageSize = 0;
    if (infoSize == coreHeaderSize) {
        width = u16(bytes, 18);
        height = u16(bytes, 20);
        bitsPerPixel = u16(bytes, 24);
    } else {
        if (infoSize < 40) {
            return false;
        }
        width = static_cast<std::uint64_t>(std::llabs(s32(bytes, 18)));
        height = static_cast<std::uint64_t>(std::llabs(s32(bytes, 22)));
        bitsPerPixel = u16(bytes, 28);
        compression = u32(bytes, 30);
        imageSize = u32(bytes, 34);
    }
    const std::uint64_t fileSize = static_cast<std::uint64_t>(bytes.size());
    if (pixelOffset > fileSize) {
        return false;
    }
    const std::uint64_t available = fileSize - pixelOffset;
    if (compression == rle8 || compression == rle4) {
        return imageSize <= available;
    }
    const std::uint64_t rowStride = (width * bitsPerPixel + 31) / 32 * 4;
    return rowStride == 0 || height <= available / rowStride;
}

[[noreturn]] void throwNotValid() {
    throw EditorError("Bitmap image is not valid");
}

} // namespace

QImage LoadBitmapPicture(const QString& relativePath) {
    const QString resolved = resolveIgnoringCase(relativePath);
    QFile file(resolved);
    if (QFileInfo(resolved).isDir() || !file.open(QIODevice::ReadOnly)) {
        throw EditorError(("Cannot open file " + relativePath).toStdString());
    }
    QByteArray bytes = file.readAll();
    file.close();
    if (!holdsWholeBitmap(bytes)) {
        throwNotValid();
    }
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "BMP");
    reader.setAutoDetectImageFormat(false);
    QImage image = reader.read();
    if (image.isNull()) {
        throwNotValid();
    }
    return image;
}
