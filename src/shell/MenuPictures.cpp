#include "shell/MenuPictures.h"

#include "common/Pictures.h"

#include <QFont>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace MenuPictures {

QPixmap padlock(int size) {
    QPixmap pm(size, size);
    pm.fill(QColor(192, 192, 192));
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal u = size / 16.0;
    p.setPen(QPen(QColor(128, 128, 128), 1));
    p.drawRect(0, 0, size - 1, size - 1);

    // The sheet, top left, with a few written lines.
    p.setPen(QPen(QColor(64, 64, 64), qMax(1.0, u / 2)));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(2 * u, 1.5 * u, 8 * u, 11 * u));
    p.setPen(QPen(QColor(0, 0, 128), qMax(1.0, u / 2)));
    for (int line = 0; line < 4; ++line)
        p.drawLine(QPointF(3.5 * u, (4 + 2 * line) * u), QPointF(8.5 * u, (4 + 2 * line) * u));

    // The padlock, bottom right: a shackle over a golden body with a keyhole.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(96, 96, 96), 1.4 * u));
    p.drawArc(QRectF(8 * u, 5 * u, 5 * u, 6 * u), 0, 180 * 16);
    p.drawLine(QPointF(8 * u, 8 * u), QPointF(8 * u, 9.5 * u));
    p.drawLine(QPointF(13 * u, 8 * u), QPointF(13 * u, 9.5 * u));
    p.setPen(QPen(QColor(128, 96, 0), qMax(1.0, u / 2)));
    p.setBrush(QColor(232, 184, 32));
    p.drawRoundedRect(QRectF(6.5 * u, 9 * u, 8 * u, 6 * u), u, u);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(64, 48, 0));
    p.drawEllipse(QPointF(10.5 * u, 11.4 * u), 0.9 * u, 0.9 * u);
    p.drawRect(QRectF(10.1 * u, 11.4 * u, 0.8 * u, 2 * u));
    return pm;
}

QPixmap people(int width, int height) {
    QPixmap pm = Pictures::canvas(width, height);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    struct Person {
        qreal x, scale;
        QColor coat;
    };
    // Back row first, so that the front figure stands over the others.
    const Person crowd[] = {{0.27, 0.8, QColor(40, 110, 60)},
                            {0.73, 0.8, QColor(150, 40, 40)},
                            {0.5, 1.0, QColor(30, 60, 140)}};
    const QColor skin(240, 200, 160);
    for (const Person& who : crowd) {
        const qreal head = width * 0.2 * who.scale;
        const qreal cx = width * who.x;
        const qreal headTop = height * (1.0 - 0.82 * who.scale);
        QPainterPath body;
        const qreal shoulders = head * 2.1;
        body.moveTo(cx - shoulders / 2, height);
        body.cubicTo(cx - shoulders / 2, headTop + head * 1.3, cx - shoulders / 4, headTop + head * 1.05, cx,
                     headTop + head * 1.05);
        body.cubicTo(cx + shoulders / 4, headTop + head * 1.05, cx + shoulders / 2, headTop + head * 1.3,
                     cx + shoulders / 2, height);
        body.closeSubpath();
        QLinearGradient coat(cx - shoulders / 2, 0, cx + shoulders / 2, 0);
        coat.setColorAt(0, who.coat.lighter(140));
        coat.setColorAt(1, who.coat);
        p.setPen(QPen(who.coat.darker(150), 1));
        p.setBrush(coat);
        p.drawPath(body);
        p.setPen(QPen(skin.darker(130), 1));
        p.setBrush(skin);
        p.drawEllipse(QRectF(cx - head / 2, headTop, head, head));
        // Hair.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(80, 50, 30));
        p.drawChord(QRectF(cx - head / 2, headTop, head, head), 20 * 16, 140 * 16);
    }
    return pm;
}

QPixmap parcel(int width, int height) {
    QPixmap pm = Pictures::canvas(width, height);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = width;
    const qreal h = height;
    const QColor paper(200, 150, 90);
    // The box seen from above and in front: top, front and side faces.
    const QPointF a(w * 0.08, h * 0.32), b(w * 0.62, h * 0.32), c(w * 0.92, h * 0.12), d(w * 0.38, h * 0.12);
    const QPointF e(w * 0.08, h * 0.92), f(w * 0.62, h * 0.92), g(w * 0.92, h * 0.72);
    p.setPen(QPen(paper.darker(170), 1));
    p.setBrush(paper.lighter(115));
    p.drawPolygon(QPolygonF{a, b, c, d});
    p.setBrush(paper);
    p.drawPolygon(QPolygonF{a, b, f, e});
    p.setBrush(paper.darker(120));
    p.drawPolygon(QPolygonF{b, c, g, f});
    // The string round the parcel and the bow on top.
    const QColor string(160, 20, 20);
    p.setPen(QPen(string, qMax(1.5, w * 0.04)));
    const QPointF topMid1((a.x() + b.x()) / 2, a.y()), topMid2((d.x() + c.x()) / 2, d.y());
    p.drawLine(topMid1, topMid2);
    p.drawLine(topMid1, QPointF(topMid1.x(), e.y()));
    const QPointF side1((a.x() + d.x()) / 2, (a.y() + d.y()) / 2), side2((b.x() + c.x()) / 2, (b.y() + c.y()) / 2);
    p.drawLine(side1, side2);
    p.drawLine(side2, QPointF(side2.x(), side2.y() + (g.y() - c.y())));
    const QPointF knot((topMid1.x() + topMid2.x()) / 2, (side1.y() + side2.y()) / 2);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(knot.x() - w * 0.16, knot.y() - h * 0.1, w * 0.16, h * 0.1));
    p.drawEllipse(QRectF(knot.x(), knot.y() - h * 0.1, w * 0.16, h * 0.1));
    return pm;
}

QPixmap backgroundTile() {
    const int size = 72;
    QPixmap pm = Pictures::canvas(size, size, QColor(214, 222, 236));
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    // A soft diamond in the middle and a quarter of one in each corner, so
    // that the tiles join into a lattice.
    const QColor light(228, 234, 245);
    const QColor line(196, 206, 226);
    p.setPen(QPen(line, 1));
    p.setBrush(light);
    const qreal h = size / 2.0;
    p.drawPolygon(QPolygonF{QPointF(h, 6), QPointF(size - 6, h), QPointF(h, size - 6), QPointF(6, h)});
    for (const QPointF corner : {QPointF(0, 0), QPointF(size, 0), QPointF(0, size), QPointF(size, size)}) {
        p.drawPolygon(QPolygonF{corner + QPointF(0, -h + 6), corner + QPointF(h - 6, 0), corner + QPointF(0, h - 6),
                                corner + QPointF(-h + 6, 0)});
    }
    return pm;
}

QString menuBannerText() {
    return QString::fromUtf8(
        "Quillora compila, stampa e archivia i bollettini di conto corrente postale, con le anagrafiche di "
        "intestatari ed esecutori, l'archivio delle causali e i riepiloghi annuali dei versamenti.");
}

QPixmap menuBanner(int width, int height) {
    QPixmap pm = Pictures::canvas(width, height, QColor(0, 0, 128));
    QPainter p(&pm);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont f(QStringLiteral("Verdana"));
    f.setBold(true);
    // The whole line fits the picture: the letters shrink if they must.
    int size = qMax(6, height - 5);
    f.setPixelSize(size);
    while (size > 6 && QFontMetrics(f).horizontalAdvance(menuBannerText()) > width)
        f.setPixelSize(--size);
    p.setFont(f);
    p.setPen(QColor(255, 255, 0));
    p.drawText(QRect(0, 0, width, height), Qt::AlignLeft | Qt::AlignVCenter, menuBannerText());
    return pm;
}

} // namespace MenuPictures
