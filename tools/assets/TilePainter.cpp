#include "TilePainter.h"

#include "ArtKit.h"

#include <QPainterPath>
#include <cmath>

namespace tiles {
namespace {

struct Shades {
    QColor base;
    QColor dark;
    QColor light;
};

Shades shadesFor(int lowDigit) {
    const int hue = (lowDigit * 360 / 16 + 8) % 360;
    const int value = lowDigit % 2 == 0 ? 200 : 165;
    const QColor base = QColor::fromHsv(hue, 165, value);
    return {base, base.darker(170), base.lighter(150)};
}

// A small fixed generator keeps the grass blades the same on every run.
unsigned nextRandom(unsigned& state) {
    state = state * 1103515245u + 12345u;
    return (state >> 16) & 0x7fff;
}

void paintPlain(QPainter& p, const Shades& s) {
    p.fillRect(0, 0, kTileSize, kTileSize, s.base);
    p.fillRect(0, 0, kTileSize, 2, s.light);
    p.fillRect(0, 0, 2, kTileSize, s.light);
    p.fillRect(0, kTileSize - 2, kTileSize, 2, s.dark);
    p.fillRect(kTileSize - 2, 0, 2, kTileSize, s.dark);
}

void paintBricks(QPainter& p, const Shades& s) {
    p.fillRect(0, 0, kTileSize, kTileSize, s.dark);
    for (int row = 0; row < 4; ++row) {
        const int shift = row % 2 == 0 ? 0 : -8;
        for (int x = shift; x < kTileSize; x += 16) {
            p.fillRect(x + 1, row * 8 + 1, 14, 6, s.base);
            p.fillRect(x + 1, row * 8 + 1, 14, 1, s.light);
        }
    }
}

void paintDots(QPainter& p, const Shades& s) {
    p.fillRect(0, 0, kTileSize, kTileSize, s.base);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    for (int y = 4; y < kTileSize; y += 8) {
        for (int x = 4; x < kTileSize; x += 8) {
            p.setBrush(s.dark);
            p.drawEllipse(QPointF(x + 0.5, y + 0.5), 3.2, 3.2);
            p.setBrush(s.light);
            p.drawEllipse(QPointF(x - 0.5, y - 0.5), 1.2, 1.2);
        }
    }
    p.setRenderHint(QPainter::Antialiasing, false);
}

void paintHorizontalStripes(QPainter& p, const Shades& s) {
    for (int y = 0; y < kTileSize; y += 4) {
        p.fillRect(0, y, kTileSize, 4, (y / 4) % 2 == 0 ? s.base : s.dark);
    }
}

void paintVerticalStripes(QPainter& p, const Shades& s) {
    for (int x = 0; x < kTileSize; x += 4) {
        p.fillRect(x, 0, 4, kTileSize, (x / 4) % 2 == 0 ? s.base : s.dark);
    }
}

void paintChecks(QPainter& p, const Shades& s) {
    for (int y = 0; y < kTileSize; y += 8) {
        for (int x = 0; x < kTileSize; x += 8) {
            p.fillRect(x, y, 8, 8, ((x + y) / 8) % 2 == 0 ? s.base : s.dark);
        }
    }
}

void paintGrass(QPainter& p, const Shades& s, int code) {
    p.fillRect(0, 0, kTileSize, kTileSize, s.dark);
    unsigned state = 977u + static_cast<unsigned>(code) * 131u;
    p.setPen(QPen(s.light, 1));
    for (int blade = 0; blade < 40; ++blade) {
        const int x = static_cast<int>(nextRandom(state) % kTileSize);
        const int bottom = 6 + static_cast<int>(nextRandom(state) % 27);
        const int height = 3 + static_cast<int>(nextRandom(state) % 5);
        const int lean = static_cast<int>(nextRandom(state) % 3) - 1;
        p.setPen(QPen(blade % 3 == 0 ? s.base : s.light, 1));
        p.drawLine(x, bottom, x + lean, bottom - height);
    }
}

void paintWaves(QPainter& p, const Shades& s) {
    p.fillRect(0, 0, kTileSize, kTileSize, s.base);
    p.setRenderHint(QPainter::Antialiasing, true);
    for (int row = 0; row < 4; ++row) {
        QPainterPath wave;
        const double baseY = 4.0 + row * 8.0;
        wave.moveTo(0, baseY);
        for (int x = 0; x <= kTileSize; ++x) {
            wave.lineTo(x, baseY + 2.2 * std::sin((x + row * 4) * 3.14159265 / 8.0));
        }
        p.setPen(QPen(row % 2 == 0 ? s.light : s.dark, 1.6));
        p.drawPath(wave);
    }
    p.setRenderHint(QPainter::Antialiasing, false);
}

void paintDiagonalStripes(QPainter& p, const Shades& s) {
    p.fillRect(0, 0, kTileSize, kTileSize, s.base);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(s.dark, 3));
    for (int offset = -kTileSize; offset < kTileSize; offset += 8) {
        p.drawLine(offset, kTileSize, offset + kTileSize, 0);
    }
    p.setRenderHint(QPainter::Antialiasing, false);
}

void paintLattice(QPainter& p, const Shades& s) {
    p.fillRect(0, 0, kTileSize, kTileSize, s.dark);
    for (int y = 0; y < kTileSize; y += 8) {
        for (int x = 0; x < kTileSize; x += 8) {
            p.fillRect(x + 1, y + 1, 6, 6, s.base);
            p.fillRect(x + 1, y + 1, 6, 1, s.light);
        }
    }
}

void paintDiamonds(QPainter& p, const Shades& s) {
    p.fillRect(0, 0, kTileSize, kTileSize, s.dark);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    for (int y = 0; y <= kTileSize; y += 16) {
        for (int x = 0; x <= kTileSize; x += 16) {
            for (const QPoint centre : {QPoint(x, y), QPoint(x + 8, y + 8)}) {
                const QPolygon diamond({centre + QPoint(0, -7), centre + QPoint(7, 0),
                                        centre + QPoint(0, 7), centre + QPoint(-7, 0)});
                p.setBrush(centre.x() % 16 == 0 ? s.base : s.light);
                p.drawPolygon(diamond);
            }
        }
    }
    p.setRenderHint(QPainter::Antialiasing, false);
}

} // namespace

QImage paintTile(int code) {
    const Shades shades = shadesFor(code % 16);
    QImage image = art::newCanvas(kTileSize, kTileSize, shades.base);
    QPainter p(&image);
    switch (code / 16) {
    case 0:
        paintPlain(p, shades);
        break;
    case 1:
        paintBricks(p, shades);
        break;
    case 2:
        paintDots(p, shades);
        break;
    case 3:
        paintHorizontalStripes(p, shades);
        break;
    case 4:
        paintVerticalStripes(p, shades);
        break;
    case 5:
        paintChecks(p, shades);
        break;
    case 6:
        paintGrass(p, shades, code);
        break;
    case 7:
        paintWaves(p, shades);
        break;
    case 8:
        paintDiagonalStripes(p, shades);
        break;
    case 9:
        paintLattice(p, shades);
        break;
    default:
        paintDiamonds(p, shades);
        break;
    }
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setFont(art::pixelFont({"Liberation Sans", "DejaVu Sans"}, 13, true, true));
    art::drawOutlinedText(p, QRect(0, 0, kTileSize, kTileSize), Qt::AlignCenter, art::hexText(code),
                          QColor(255, 255, 255), QColor(16, 16, 24));
    return image;
}

} // namespace tiles
