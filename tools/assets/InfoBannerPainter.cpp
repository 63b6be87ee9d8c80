#include "InfoBannerPainter.h"

#include "ArtKit.h"

#include <QAbstractTextDocumentLayout>
#include <QLinearGradient>
#include <QTextDocument>

namespace banners {
namespace {

struct Hints {
    QString title;
    QString first;
    QString second;
};

// Key names and button captions are marked with <b> and shown in yellow.
Hints hintsFor(int number) {
    if (number == 1) {
        return {QString::fromUtf8("Как рисовать экран"),
                QString::fromUtf8("Щёлкните клетку экрана слева, затем плитку справа — "
                                  "плитка встанет в эту клетку."),
                QString::fromUtf8("<b>Сохранить</b> записывает экран в ROM. Несохранённые "
                                  "правки пропадают при смене экрана.")};
    }
    return {QString::fromUtf8("Числовые поля"),
            QString::fromUtf8("Вводятся только цифры, <b>Backspace</b> не работает: стирайте "
                              "клавишей <b>Delete</b>. Кнопки <b>&lt;</b> и <b>&gt;</b> "
                              "меняют число на 1."),
            QString::fromUtf8("Позиция вещи или врага 0..191 = строка × 16 + столбец (строки "
                              "0..11, столбцы 0..15).")};
}

void paintFrame(QPainter& p) {
    QLinearGradient sky(0, 0, 0, kBannerHeight);
    sky.setColorAt(0.0, QColor(28, 40, 86));
    sky.setColorAt(1.0, QColor(10, 14, 34));
    p.fillRect(0, 0, kBannerWidth, kBannerHeight, sky);
    p.setPen(QColor(206, 170, 74));
    p.drawRect(0, 0, kBannerWidth - 1, kBannerHeight - 1);
    p.drawRect(2, 2, kBannerWidth - 5, kBannerHeight - 5);
}

void paintHeader(QPainter& p, const QString& title, int number) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(QColor(255, 255, 255), 1.5));
    p.setBrush(QColor(40, 120, 220));
    p.drawEllipse(QPointF(18, 17), 9, 9);
    p.setFont(art::pixelFont({"Liberation Serif", "DejaVu Serif"}, 14, true, true));
    p.setPen(QColor(255, 255, 255));
    p.drawText(QRect(9, 8, 19, 19), Qt::AlignCenter, "i");
    p.setFont(art::pixelFont({"Liberation Sans", "DejaVu Sans"}, 15, true, true));
    p.setPen(QColor(255, 214, 90));
    p.drawText(QRect(34, 6, 240, 22), Qt::AlignLeft | Qt::AlignVCenter, title);
    p.setFont(art::pixelFont({"Liberation Sans", "DejaVu Sans"}, 11, false, true));
    p.setPen(QColor(150, 164, 200));
    p.drawText(QRect(250, 6, 70, 22), Qt::AlignRight | Qt::AlignVCenter,
               QString::fromUtf8("подсказка %1/2").arg(number));
    p.setPen(QColor(206, 170, 74, 160));
    p.drawLine(10, 31, kBannerWidth - 11, 31);
}

// Returns the height the hint took, so the next one can follow it.
int paintHint(QPainter& p, const QString& html, int top) {
    const int left = 24;
    QTextDocument document;
    document.setDocumentMargin(0);
    document.setDefaultFont(art::pixelFont({"Liberation Sans", "DejaVu Sans"}, 13, false, true));
    document.setDefaultStyleSheet("body { color: #ffffff; } b { color: #ffd65a; }");
    document.setHtml("<body>" + html + "</body>");
    document.setTextWidth(kBannerWidth - left - 12);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 214, 90));
    p.drawEllipse(QPointF(15, top + 8), 3, 3);

    p.save();
    p.translate(left, top);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, QColor(255, 255, 255));
    document.documentLayout()->draw(&p, context);
    p.restore();
    return static_cast<int>(document.size().height());
}

} // namespace

QImage paintInfoBanner(int number) {
    const Hints hints = hintsFor(number);
    QImage image = art::newCanvas(kBannerWidth, kBannerHeight, QColor(0, 0, 0));
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    paintFrame(p);
    paintHeader(p, hints.title, number);
    const int firstHeight = paintHint(p, hints.first, 40);
    paintHint(p, hints.second, 40 + firstHeight + 10);
    return image;
}

} // namespace banners
