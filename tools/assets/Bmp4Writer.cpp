#include "Bmp4Writer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdint>
#include <stdexcept>

namespace bmp4 {
namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;
constexpr int kPaletteEntries = 16;
constexpr int kPixelsPerMetre = 3780; // 96 dots per inch

void put16(QByteArray& out, std::uint16_t value) {
    out.append(static_cast<char>(value & 0xff));
    out.append(static_cast<char>(value >> 8));
}

void put32(QByteArray& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        out.append(static_cast<char>((value >> shift) & 0xff));
    }
}

} // namespace

QByteArray encode(const QImage& indexed) {
    if (indexed.format() != QImage::Format_Indexed8 || indexed.colorCount() > kPaletteEntries) {
        throw std::runtime_error("a 16-colour BMP needs an indexed image of at most 16 colours");
    }
    const int width = indexed.width();
    const int height = indexed.height();
    const int rowBytes = ((width * 4 + 31) / 32) * 4;
    const int pixelOffset = kFileHeaderSize + kInfoHeaderSize + kPaletteEntries * 4;
    const int imageBytes = rowBytes * height;

    QByteArray out;
    out.reserve(pixelOffset + imageBytes);
    out.append("BM");
    put32(out, static_cast<std::uint32_t>(pixelOffset + imageBytes));
    put32(out, 0);
    put32(out, static_cast<std::uint32_t>(pixelOffset));

    put32(out, kInfoHeaderSize);
    put32(out, static_cast<std::uint32_t>(width));
    put32(out, static_cast<std::uint32_t>(height)); // positive: rows stored bottom-up
    put16(out, 1);
    put16(out, 4);
    put32(out, 0); // BI_RGB
    put32(out, static_cast<std::uint32_t>(imageBytes));
    put32(out, kPixelsPerMetre);
    put32(out, kPixelsPerMetre);
    put32(out, kPaletteEntries);
    put32(out, kPaletteEntries);

    for (int i = 0; i < kPaletteEntries; ++i) {
        const QRgb colour = i < indexed.colorCount() ? indexed.color(i) : qRgb(0, 0, 0);
        out.append(static_cast<char>(qBlue(colour)));
        out.append(static_cast<char>(qGreen(colour)));
        out.append(static_cast<char>(qRed(colour)));
        out.append('\0');
    }

    for (int y = height - 1; y >= 0; --y) {
        const uchar* line = indexed.constScanLine(y);
        QByteArray row(rowBytes, '\0');
        for (int x = 0; x < width; ++x) {
            const int index = line[x] & 0x0f;
            row[x / 2] = static_cast<char>(row[x / 2] | (x % 2 == 0 ? index << 4 : index));
        }
        out.append(row);
    }
    return out;
}

void save(const QImage& indexed, const QString& path) {
    const QByteArray bytes = encode(indexed);
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        throw std::runtime_error("cannot create the folder of " + path.toStdString());
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        throw std::runtime_error("cannot write " + path.toStdString());
    }
}

} // namespace bmp4
