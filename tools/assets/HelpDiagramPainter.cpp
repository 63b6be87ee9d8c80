#include "HelpDiagramPainter.h"

#include "ArtKit.h"

#include <QVector>
#include <limits>

namespace help {
namespace {

// The sixteen colours of the classic PC text-mode palette; the picture uses no others.
enum Ink {
    Black,
    Maroon,
    DarkGreen,
    Olive,
    Navy,
    Purple,
    Teal,
    Silver,
    Grey,
    Red,
    Lime,
    Yellow,
    Blue,
    Fuchsia,
    Cyan,
    White
};

const QVector<QRgb> kPalette = {
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};

QColor ink(Ink index) {
    return QColor(kPalette[index]);
}

constexpr int kBorder = 12;
const QRect kInner(kBorder, kBorder, kHelpWidth - 2 * kBorder, kHelpHeight - 2 * kBorder);

void paintBrickWall(QPainter& p) {
    p.fillRect(0, 0, kHelpWidth, kHelpHeight, ink(Grey));
    const int brickWidth = 12;
    const int brickHeight = 6;
    for (int row = 0; row * brickHeight < kHelpHeight; ++row) {
        const int shift = row % 2 == 0 ? 0 : -brickWidth / 2;
        for (int x = shift; x < kHelpWidth; x += brickWidth) {
            const int y = row * brickHeight;
            p.fillRect(x, y, brickWidth - 1, brickHeight - 1, ink(Silver));
            p.fillRect(x, y, brickWidth - 1, 1, ink(White));
        }
    }
    p.fillRect(kInner.adjusted(-1, -1, 1, 1), ink(Grey));
    p.fillRect(kInner, ink(Black));
}

void paintHero(QPainter& p, int x, int y) {
    p.fillRect(x + 5, y, 6, 5, ink(Yellow));
    p.fillRect(x + 6, y + 2, 1, 1, ink(Black));
    p.fillRect(x + 9, y + 2, 1, 1, ink(Black));
    p.fillRect(x + 3, y + 5, 10, 6, ink(Blue));
    p.fillRect(x + 1, y + 5, 2, 5, ink(Yellow));
    p.fillRect(x + 13, y + 2, 2, 9, ink(Silver));
    p.fillRect(x + 4, y + 11, 3, 5, ink(Navy));
    p.fillRect(x + 9, y + 11, 3, 5, ink(Navy));
}

void paintSphere(QPainter& p, int x, int y) {
    p.setPen(Qt::NoPen);
    p.setBrush(ink(Red));
    p.drawEllipse(QRect(x + 1, y + 1, 14, 14));
    p.setBrush(ink(Maroon));
    p.drawChord(QRect(x + 1, y + 1, 14, 14), 200 * 16, 160 * 16);
    p.fillRect(x + 4, y + 4, 3, 2, ink(White));
}

void paintSkull(QPainter& p, int x, int y) {
    p.setPen(Qt::NoPen);
    p.setBrush(ink(White));
    p.drawEllipse(QRect(x + 2, y, 12, 11));
    p.fillRect(x + 5, y + 10, 6, 5, ink(White));
    p.fillRect(x + 4, y + 4, 3, 3, ink(Black));
    p.fillRect(x + 9, y + 4, 3, 3, ink(Black));
    p.fillRect(x + 7, y + 8, 2, 2, ink(Black));
    p.fillRect(x + 7, y + 12, 1, 3, ink(Black));
    p.fillRect(x + 9, y + 12, 1, 3, ink(Black));
}

void paintKey(QPainter& p, int x, int y) {
    p.setPen(Qt::NoPen);
    p.setBrush(ink(Yellow));
    p.drawEllipse(QRect(x, y + 4, 8, 8));
    p.setBrush(ink(Black));
    p.drawEllipse(QRect(x + 3, y + 7, 2, 2));
    p.fillRect(x + 7, y + 7, 9, 2, ink(Yellow));
    p.fillRect(x + 12, y + 9, 2, 3, ink(Yellow));
    p.fillRect(x + 15, y + 9, 1, 4, ink(Yellow));
}

enum class Direction { Up, Down, Left, Right };

// An arrow whose tail starts at from and whose head points away from the diagram's centre.
void paintArrow(QPainter& p, QPoint from, Direction direction, int length) {
    const int head = 5;
    QPolygon tip;
    QRect shaft;
    switch (direction) {
    case Direction::Up:
        shaft = QRect(from.x() - 1, from.y() - length + head, 3, length - head);
        tip << QPoint(from.x(), from.y() - length)
            << QPoint(from.x() - head, from.y() - length + head)
            << QPoint(from.x() + head, from.y() - length + head);
        break;
    case Direction::Down:
        shaft = QRect(from.x() - 1, from.y(), 3, length - head);
        tip << QPoint(from.x(), from.y() + length)
            << QPoint(from.x() - head, from.y() + length - head)
            << QPoint(from.x() + head, from.y() + length - head);
        break;
    case Direction::Left:
        shaft = QRect(from.x() - length + head, from.y() - 1, length - head, 3);
        tip << QPoint(from.x() - length, from.y())
            << QPoint(from.x() - length + head, from.y() - head)
            << QPoint(from.x() - length + head, from.y() + head);
        break;
    case Direction::Right:
        shaft = QRect(from.x(), from.y() - 1, length - head, 3);
        tip << QPoint(from.x() + length, from.y())
            << QPoint(from.x() + length - head, from.y() - head)
            << QPoint(from.x() + length - head, from.y() + head);
        break;
    }
    p.fillRect(shaft, ink(Lime));
    p.setPen(ink(Lime));
    p.setBrush(ink(Lime));
    p.drawPolygon(tip);
}

// Two lines: a direction word in cyan over its number rule in white.
void paintLabel(QPainter& p, const QRect& box, const QString& word, const QString& rule) {
    const QRect top(box.left(), box.top(), box.width(), box.height() / 2);
    const QRect bottom(box.left(), box.top() + box.height() / 2, box.width(), box.height() / 2);
    p.setPen(ink(Cyan));
    p.drawText(top, Qt::AlignCenter, word);
    p.setPen(ink(White));
    p.drawText(bottom, Qt::AlignCenter, rule);
}

int nearestIndex(QRgb colour) {
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < kPalette.size(); ++i) {
        const int dr = qRed(colour) - qRed(kPalette[i]);
        const int dg = qGreen(colour) - qGreen(kPalette[i]);
        const int db = qBlue(colour) - qBlue(kPalette[i]);
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

QImage toIndexed(const QImage& rgb) {
    QImage indexed(rgb.size(), QImage::Format_Indexed8);
    indexed.setColorTable(kPalette);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* source = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        uchar* target = indexed.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x) {
            target[x] = static_cast<uchar>(nearestIndex(source[x]));
        }
    }
    return indexed;
}

} // namespace

QImage paintHelpDiagram() {
    QImage canvas = art::newCanvas(kHelpWidth, kHelpHeight, ink(Black));
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    paintBrickWall(p);

    paintHero(p, kInner.left() + 3, kInner.top() + 3);
    paintSphere(p, kInner.right() - 18, kInner.top() + 3);
    paintSkull(p, kInner.left() + 3, kInner.bottom() - 18);
    paintKey(p, kInner.right() - 19, kInner.bottom() - 17);

    const int centreX = kInner.center().x() + 1;
    const int centreY = kInner.center().y() + 1;

    const QFont labelFont = art::pixelFont({"Liberation Sans", "DejaVu Sans"}, 11, true, false);
    const QFont centreFont =
        art::pixelFont({"Liberation Sans Narrow", "DejaVu Sans Condensed"}, 14, true, false);

    p.setFont(centreFont);
    const QRect centreBox(centreX - 60, centreY - 10, 121, 21);
    p.setPen(ink(Maroon));
    p.setBrush(Qt::NoBrush);
    p.drawRect(centreBox);
    p.setPen(ink(Red));
    p.drawText(centreBox, Qt::AlignCenter, QString::fromUtf8("СТАРТОВЫЙ ЭКРАН"));

    p.setFont(labelFont);
    paintLabel(p, QRect(centreX - 50, kInner.top() + 1, 101, 26), QString::fromUtf8("ВВЕРХ"),
               QString::fromUtf8("НОМЕР - 16"));
    paintLabel(p, QRect(centreX - 50, kInner.bottom() - 26, 101, 26), QString::fromUtf8("ВНИЗ"),
               QString::fromUtf8("НОМЕР + 16"));
    paintLabel(p, QRect(kInner.left() + 2, centreY - 13, 76, 26), QString::fromUtf8("ВЛЕВО"),
               QString::fromUtf8("НОМЕР - 1"));
    paintLabel(p, QRect(kInner.right() - 77, centreY - 13, 76, 26), QString::fromUtf8("ВПРАВО"),
               QString::fromUtf8("НОМЕР + 1"));

    paintArrow(p, QPoint(centreX, centreBox.top() - 3), Direction::Up, 16);
    paintArrow(p, QPoint(centreX, centreBox.bottom() + 3), Direction::Down, 16);
    paintArrow(p, QPoint(centreBox.left() - 3, centreY), Direction::Left, 17);
    paintArrow(p, QPoint(centreBox.right() + 3, centreY), Direction::Right, 17);
    p.end();
    return toIndexed(canvas);
}

} // namespace help
