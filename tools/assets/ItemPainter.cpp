#include "ItemPainter.h"

#include "ArtKit.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

namespace items {
namespace {

const QColor kBackground(28, 32, 46);
const QColor kRim(78, 88, 116);
const QColor kInk(12, 12, 16);

void paintOrb(QPainter& p, const QPointF& centre, double radius, const QColor& colour) {
    QRadialGradient shine(centre + QPointF(-radius / 3, -radius / 3), radius * 1.3);
    shine.setColorAt(0.0, colour.lighter(190));
    shine.setColorAt(0.45, colour);
    shine.setColorAt(1.0, colour.darker(250));
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(shine);
    p.drawEllipse(centre, radius, radius);
}

void paintPlusOne(QPainter& p) {
    p.setFont(art::pixelFont({"Liberation Sans", "DejaVu Sans"}, 10, true, true));
    art::drawOutlinedText(p, QRect(1, 0, 20, 12), Qt::AlignLeft | Qt::AlignTop, "+1",
                          QColor(255, 240, 120), kInk);
}

void paintArrowShape(QPainter& p, bool vertical, const QColor& colour) {
    // A double-headed arrow along one axis.
    QPolygonF arrow({{16, 3},
                     {25, 12},
                     {19.5, 12},
                     {19.5, 20},
                     {25, 20},
                     {16, 29},
                     {7, 20},
                     {12.5, 20},
                     {12.5, 12},
                     {7, 12}});
    if (!vertical) {
        for (QPointF& point : arrow) {
            point = QPointF(point.y(), point.x());
        }
    }
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(colour);
    p.drawPolygon(arrow);
}

void paintNone(QPainter& p) {
    QPen dashed(QColor(110, 118, 140), 1.5, Qt::DashLine);
    p.setPen(dashed);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(16, 16), 10, 10);
}

void paintMissile(QPainter& p) {
    QLinearGradient trail(4, 28, 18, 14);
    trail.setColorAt(0.0, QColor(255, 80, 0, 0));
    trail.setColorAt(1.0, QColor(255, 140, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(trail);
    p.drawPolygon(QPolygonF({{3, 26}, {17, 11}, {22, 17}, {7, 30}}));
    paintOrb(p, QPointF(21, 12), 6.5, QColor(255, 150, 30));
    paintPlusOne(p);
}

void paintThunder(QPainter& p) {
    const QPolygonF bolt({{19, 2}, {7, 17}, {14, 17}, {10, 30}, {25, 12}, {17, 12}, {22, 2}});
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(QColor(255, 230, 40));
    p.drawPolygon(bolt);
}

void paintPrismCube(QPainter& p) {
    const QPointF top(16, 4), left(5, 10), right(27, 10), middle(16, 16);
    const QPointF bottomLeft(5, 23), bottomRight(27, 23), bottom(16, 29);
    p.setPen(QPen(kInk, 1.3));
    p.setBrush(QColor(120, 240, 255));
    p.drawPolygon(QPolygonF({top, right, middle, left}));
    p.setBrush(QColor(255, 90, 220));
    p.drawPolygon(QPolygonF({left, middle, bottom, bottomLeft}));
    p.setBrush(QColor(255, 220, 60));
    p.drawPolygon(QPolygonF({middle, right, bottomRight, bottom}));
}

void paintBridge(QPainter& p) {
    QPainterPath arch;
    arch.moveTo(2, 24);
    arch.quadTo(16, 2, 30, 24);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(150, 230, 255), 5, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(arch);
    p.setPen(QPen(QColor(240, 255, 255), 1.5, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(arch);
    p.setPen(QPen(QColor(150, 230, 255, 160), 2));
    for (int x : {6, 11, 16, 21, 26}) {
        const double t = (x - 2) / 28.0;
        const double y = (1 - t) * (1 - t) * 24 + 2 * t * (1 - t) * 2 + t * t * 24;
        p.drawLine(QPointF(x, y + 3), QPointF(x, 29));
    }
}

void paintTriCaster(QPainter& p) {
    p.setPen(QPen(QColor(200, 160, 60), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16, 30), QPointF(16, 15));
    p.drawLine(QPointF(16, 16), QPointF(8, 10));
    p.drawLine(QPointF(16, 16), QPointF(24, 10));
    paintOrb(p, QPointF(7, 8), 4.5, QColor(255, 60, 60));
    paintOrb(p, QPointF(16, 6), 4.5, QColor(70, 230, 90));
    paintOrb(p, QPointF(25, 8), 4.5, QColor(80, 140, 255));
}

void paintSpeedWing(QPainter& p) {
    QPainterPath wing;
    wing.moveTo(30, 8);
    wing.cubicTo(22, 4, 12, 8, 10, 20);
    wing.lineTo(14, 18);
    wing.lineTo(15, 23);
    wing.lineTo(19, 20);
    wing.lineTo(21, 25);
    wing.cubicTo(24, 18, 28, 14, 30, 8);
    p.setPen(QPen(kInk, 1.3));
    p.setBrush(QColor(240, 245, 255));
    p.drawPath(wing);
    p.setPen(QPen(QColor(120, 220, 255), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(2, 15), QPointF(8, 15));
    p.drawLine(QPointF(3, 21), QPointF(10, 21));
    p.drawLine(QPointF(5, 27), QPointF(14, 27));
}

void paintPortal(QPainter& p) {
    p.setBrush(Qt::NoBrush);
    const QColor rings[] = {QColor(150, 60, 255), QColor(200, 110, 255), QColor(240, 200, 255)};
    double radius = 13;
    for (const QColor& ring : rings) {
        p.setPen(QPen(ring, 3));
        p.drawEllipse(QPointF(16, 16), radius, radius * 0.8);
        radius -= 4.5;
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(QPointF(16, 16), 2, 2);
}

void paintBossTrap(QPainter& p) {
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(QColor(230, 30, 30));
    p.drawPolygon(QPolygonF({{16, 2}, {30, 28}, {2, 28}}));
    p.setBrush(QColor(255, 220, 40));
    p.drawPolygon(QPolygonF({{16, 8}, {25, 25}, {7, 25}}));
    p.setPen(QPen(kInk, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16, 13), QPointF(16, 19));
    p.drawPoint(QPointF(16, 23));
}

void paintPotion(QPainter& p, const QColor& colour) {
    QPainterPath flask;
    flask.moveTo(13, 4);
    flask.lineTo(19, 4);
    flask.lineTo(19, 11);
    flask.cubicTo(27, 14, 28, 28, 16, 29);
    flask.cubicTo(4, 28, 5, 14, 13, 11);
    flask.closeSubpath();
    p.setPen(QPen(kInk, 1.3));
    p.setBrush(QColor(210, 225, 240));
    p.drawPath(flask);
    QPainterPath liquid;
    liquid.addEllipse(QPointF(16, 21), 8.5, 7.5);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(liquid.intersected(flask));
    p.setBrush(QColor(140, 90, 50));
    p.drawRect(QRectF(12.5, 2, 7, 4));
}

void paintGem(QPainter& p, const QColor& colour) {
    const QPolygonF outline({{9, 6}, {23, 6}, {29, 13}, {16, 29}, {3, 13}});
    p.setPen(QPen(kInk, 1.3));
    p.setBrush(colour);
    p.drawPolygon(outline);
    p.setPen(QPen(colour.lighter(170), 1));
    p.drawLine(QPointF(4, 13), QPointF(28, 13));
    p.drawLine(QPointF(12, 7), QPointF(10, 13));
    p.drawLine(QPointF(20, 7), QPointF(22, 13));
    p.drawLine(QPointF(10, 13), QPointF(16, 27));
    p.drawLine(QPointF(22, 13), QPointF(16, 27));
}

void paintKey(QPainter& p, const QColor& colour) {
    p.setPen(QPen(kInk, 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12, 12), QPointF(27, 27));
    p.drawLine(QPointF(22, 22), QPointF(18, 26));
    p.drawLine(QPointF(26, 26), QPointF(22, 30));
    p.setPen(QPen(colour, 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12, 12), QPointF(27, 27));
    p.drawLine(QPointF(22, 22), QPointF(18, 26));
    p.drawLine(QPointF(26, 26), QPointF(22, 30));
    p.setPen(QPen(kInk, 1.3));
    p.setBrush(colour);
    p.drawEllipse(QPointF(10, 10), 7, 7);
    p.setBrush(kBackground);
    p.drawEllipse(QPointF(10, 10), 2.8, 2.8);
}

void paintScroll(QPainter& p, const QColor& colour) {
    p.setPen(QPen(kInk, 1.3));
    p.setBrush(QColor(240, 225, 180));
    p.drawRect(QRectF(6, 6, 20, 20));
    p.setBrush(colour);
    p.drawRoundedRect(QRectF(3, 3, 26, 6), 3, 3);
    p.drawRoundedRect(QRectF(3, 23, 26, 6), 3, 3);
    p.setPen(QPen(QColor(120, 90, 60), 1.5));
    for (int y : {12, 16, 20}) {
        p.drawLine(QPointF(9, y), QPointF(23, y));
    }
}

void paintRing(QPainter& p, const QColor& colour) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kInk, 7));
    p.drawEllipse(QPointF(16, 19), 9, 9);
    p.setPen(QPen(QColor(250, 210, 70), 4));
    p.drawEllipse(QPointF(16, 19), 9, 9);
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(colour);
    p.drawPolygon(QPolygonF({{16, 2}, {21, 7}, {16, 12}, {11, 7}}));
}

void paintGeneric(QPainter& p, int id) {
    const QColor colour = QColor::fromHsv((id * 37) % 360, 200, 235);
    switch ((id - 12) % 6) {
    case 0:
        paintOrb(p, QPointF(16, 16), 11, colour);
        break;
    case 1:
        paintPotion(p, colour);
        break;
    case 2:
        paintGem(p, colour);
        break;
    case 3:
        paintKey(p, colour);
        break;
    case 4:
        paintScroll(p, colour);
        break;
    default:
        paintRing(p, colour);
        break;
    }
}

} // namespace

QImage paintItem(int id) {
    QImage image = art::newCanvas(32, 32, kBackground);
    QPainter p(&image);
    p.setPen(kRim);
    p.drawRect(0, 0, 31, 31);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    switch (id) {
    case 0:
        paintNone(p);
        break;
    case 1:
        paintOrb(p, QPointF(16, 16), 11, QColor(235, 40, 60));
        break;
    case 2:
        paintMissile(p);
        break;
    case 3:
        paintThunder(p);
        break;
    case 4:
        paintPrismCube(p);
        break;
    case 5:
        paintBridge(p);
        break;
    case 6:
        paintArrowShape(p, true, QColor(120, 200, 255));
        paintPlusOne(p);
        break;
    case 7:
        paintArrowShape(p, false, QColor(120, 255, 170));
        paintPlusOne(p);
        break;
    case 8:
        paintTriCaster(p);
        break;
    case 9:
        paintSpeedWing(p);
        break;
    case 10:
        paintPortal(p);
        break;
    case 11:
        paintBossTrap(p);
        break;
    default:
        paintGeneric(p, id);
        break;
    }
    art::drawIdTag(p, id, id == 0 ? QColor(130, 138, 160) : QColor(255, 255, 255));
    return image;
}

} // namespace items
