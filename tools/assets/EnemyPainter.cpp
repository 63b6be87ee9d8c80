#include "EnemyPainter.h"

#include "ArtKit.h"

#include <QPainterPath>

namespace enemies {
namespace {

const QColor kBackground(50, 22, 28);
const QColor kRim(118, 56, 64);
const QColor kInk(12, 10, 12);

enum class EyeStyle { Round, Angry, Glowing, Sleepy };

void paintEye(QPainter& p, const QPointF& centre, double radius, EyeStyle style, bool leftEye) {
    p.setPen(QPen(kInk, 1));
    if (style == EyeStyle::Glowing) {
        p.setBrush(QColor(255, 235, 60));
        p.drawEllipse(centre, radius, radius);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 80, 0));
        p.drawEllipse(centre, radius * 0.45, radius * 0.45);
        return;
    }
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(centre, radius, radius);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(centre + QPointF(0, radius * 0.2), radius * 0.5, radius * 0.5);
    if (style == EyeStyle::Angry) {
        const double side = leftEye ? 1 : -1;
        p.setPen(QPen(kInk, 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(centre + QPointF(-side * radius * 1.3, -radius * 1.7),
                   centre + QPointF(side * radius * 1.0, -radius * 0.5));
    } else if (style == EyeStyle::Sleepy) {
        p.setPen(QPen(kInk, 1));
        p.setBrush(QColor(0, 0, 0, 150));
        p.drawChord(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), 0,
                    180 * 16);
    }
}

void paintEyePair(QPainter& p, double y, double spread, double radius, EyeStyle style) {
    paintEye(p, QPointF(16 - spread, y), radius, style, true);
    paintEye(p, QPointF(16 + spread, y), radius, style, false);
}

void body(QPainter& p, const QColor& colour) {
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(colour);
}

void paintBlob(QPainter& p, const QColor& colour, EyeStyle eyes) {
    QPainterPath blob;
    blob.moveTo(3, 28);
    blob.cubicTo(2, 12, 8, 5, 16, 5);
    blob.cubicTo(24, 5, 30, 12, 29, 28);
    blob.closeSubpath();
    body(p, colour);
    p.drawPath(blob);
    paintEyePair(p, 15, 5.5, 3.8, eyes);
    p.setPen(QPen(kInk, 1.5));
    p.drawArc(QRectF(11, 17, 10, 6), 200 * 16, 140 * 16);
}

void paintSkull(QPainter& p, const QColor& colour, EyeStyle eyes) {
    const QColor bone = QColor(235, 228, 210).darker(100 + colour.value() / 12);
    body(p, bone);
    p.drawEllipse(QRectF(5, 3, 22, 20));
    p.drawRoundedRect(QRectF(10, 19, 12, 9), 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QRectF(8.5, 10, 6.5, 7));
    p.drawEllipse(QRectF(17, 10, 6.5, 7));
    p.drawPolygon(QPolygonF({{16, 17}, {14.2, 20.5}, {17.8, 20.5}}));
    if (eyes == EyeStyle::Glowing || eyes == EyeStyle::Angry) {
        p.setBrush(colour.lighter(130));
        p.drawEllipse(QPointF(11.7, 13.5), 1.8, 1.8);
        p.drawEllipse(QPointF(20.3, 13.5), 1.8, 1.8);
    }
    p.setPen(QPen(kInk, 1.2));
    for (double x : {13.0, 16.0, 19.0}) {
        p.drawLine(QPointF(x, 23), QPointF(x, 28));
    }
}

void paintBat(QPainter& p, const QColor& colour, EyeStyle eyes) {
    QPainterPath wings;
    wings.moveTo(16, 12);
    wings.cubicTo(10, 4, 4, 6, 1, 10);
    wings.lineTo(4, 20);
    wings.lineTo(7, 17);
    wings.lineTo(10, 22);
    wings.lineTo(13, 18);
    wings.lineTo(16, 24);
    wings.lineTo(19, 18);
    wings.lineTo(22, 22);
    wings.lineTo(25, 17);
    wings.lineTo(28, 20);
    wings.lineTo(31, 10);
    wings.cubicTo(28, 6, 22, 4, 16, 12);
    body(p, colour.darker(130));
    p.drawPath(wings);
    body(p, colour);
    p.drawEllipse(QRectF(10, 9, 12, 14));
    p.drawPolygon(QPolygonF({{11, 11}, {11, 5}, {14, 9}}));
    p.drawPolygon(QPolygonF({{21, 11}, {21, 5}, {18, 9}}));
    paintEyePair(p, 15, 2.8, 2.4, eyes);
}

void paintGhost(QPainter& p, const QColor& colour, EyeStyle eyes) {
    QPainterPath ghost;
    ghost.moveTo(5, 29);
    ghost.lineTo(5, 14);
    ghost.cubicTo(5, 6, 10, 3, 16, 3);
    ghost.cubicTo(22, 3, 27, 6, 27, 14);
    ghost.lineTo(27, 29);
    ghost.lineTo(23, 25);
    ghost.lineTo(19.5, 29);
    ghost.lineTo(16, 25);
    ghost.lineTo(12.5, 29);
    ghost.lineTo(9, 25);
    ghost.closeSubpath();
    body(p, colour.lighter(140));
    p.drawPath(ghost);
    paintEyePair(p, 13, 5, 3.6, eyes);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QRectF(13, 18, 6, 5));
}

void paintSpider(QPainter& p, const QColor& colour, EyeStyle eyes) {
    p.setPen(QPen(colour.darker(140), 2.4, Qt::SolidLine, Qt::RoundCap));
    for (int side : {-1, 1}) {
        for (int leg = 0; leg < 4; ++leg) {
            const double y = 12 + leg * 4;
            QPainterPath path;
            path.moveTo(16, y);
            path.lineTo(16 + side * 10, y - 5 + leg * 1.5);
            path.lineTo(16 + side * 14, y + 4 + leg);
            p.setBrush(Qt::NoBrush);
            p.drawPath(path);
        }
    }
    body(p, colour);
    p.drawEllipse(QRectF(8, 9, 16, 17));
    paintEyePair(p, 15, 3.6, 2.8, eyes);
    p.setPen(QPen(QColor(240, 240, 240), 1.6));
    p.drawLine(QPointF(13, 22), QPointF(14, 26));
    p.drawLine(QPointF(19, 22), QPointF(18, 26));
}

void paintEyeball(QPainter& p, const QColor& colour, EyeStyle eyes) {
    p.setPen(QPen(colour, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16, 26), QPointF(12, 31));
    p.drawLine(QPointF(16, 26), QPointF(20, 31));
    body(p, QColor(250, 245, 240));
    p.drawEllipse(QPointF(16, 15), 12, 12);
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(colour);
    p.drawEllipse(QPointF(16, 16), 6.5, 6.5);
    p.setPen(Qt::NoPen);
    p.setBrush(eyes == EyeStyle::Glowing ? QColor(255, 230, 40) : kInk);
    p.drawEllipse(QPointF(16, 16), 3, 3);
    if (eyes == EyeStyle::Angry || eyes == EyeStyle::Sleepy) {
        p.setPen(QPen(kInk, 1.5));
        p.setBrush(colour.darker(160));
        p.drawChord(QRectF(4, 3, 24, 24), eyes == EyeStyle::Sleepy ? 0 : 20 * 16,
                    eyes == EyeStyle::Sleepy ? 180 * 16 : 140 * 16);
    }
}

void paintImp(QPainter& p, const QColor& colour, EyeStyle eyes) {
    body(p, QColor(250, 240, 200));
    p.drawPolygon(QPolygonF({{8, 12}, {4, 2}, {12, 8}}));
    p.drawPolygon(QPolygonF({{24, 12}, {28, 2}, {20, 8}}));
    body(p, colour);
    p.drawEllipse(QRectF(6, 6, 20, 18));
    p.drawRoundedRect(QRectF(10, 21, 12, 9), 3, 3);
    paintEyePair(p, 13, 4.5, 3, eyes);
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(QColor(255, 255, 255));
    p.drawPolygon(QPolygonF({{11, 18}, {21, 18}, {16, 22}}));
}

void paintGolem(QPainter& p, const QColor& colour, EyeStyle eyes) {
    body(p, colour.darker(115));
    p.drawRect(QRectF(3, 13, 5, 12));
    p.drawRect(QRectF(24, 13, 5, 12));
    body(p, colour);
    p.drawRect(QRectF(7, 5, 18, 24));
    p.setPen(QPen(kInk, 1));
    p.drawLine(QPointF(7, 20), QPointF(25, 20));
    p.drawLine(QPointF(16, 20), QPointF(16, 29));
    p.fillRect(QRectF(9, 10, 14, 6), kInk);
    paintEyePair(p, 13, 3.8, 2.2, eyes == EyeStyle::Round ? EyeStyle::Glowing : eyes);
}

} // namespace

QImage paintEnemy(int id) {
    QImage image = art::newCanvas(32, 32, kBackground);
    QPainter p(&image);
    p.setPen(kRim);
    p.drawRect(0, 0, 31, 31);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    const QColor colour = QColor::fromHsv((id * 139 + 90) % 360, 190, 225);
    const auto eyes = static_cast<EyeStyle>((id / 8) % 4);
    switch (id % 8) {
    case 0:
        paintBlob(p, colour, eyes);
        break;
    case 1:
        paintSkull(p, colour, eyes);
        break;
    case 2:
        paintBat(p, colour, eyes);
        break;
    case 3:
        paintGhost(p, colour, eyes);
        break;
    case 4:
        paintSpider(p, colour, eyes);
        break;
    case 5:
        paintEyeball(p, colour, eyes);
        break;
    case 6:
        paintImp(p, colour, eyes);
        break;
    default:
        paintGolem(p, colour, eyes);
        break;
    }
    art::drawIdTag(p, id, QColor(255, 255, 255));
    return image;
}

} // namespace enemies
