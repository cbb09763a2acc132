#include "common/Pictures.h"

#include <QFont>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace Pictures {

QPixmap helpIcon(const QColor& mark, int size) {
    QPixmap pm(size, size);
    pm.fill(QColor(192, 192, 192));
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(128, 128, 128), 1));
    p.drawRect(0, 0, size - 1, size - 1);
    QFont f(QStringLiteral("Arial"));
    f.setBold(true);
    f.setPixelSize(size * 3 / 4);
    p.setFont(f);
    p.setPen(mark);
    p.drawText(QRect(0, 0, size, size), Qt::AlignCenter, QStringLiteral("?"));
    return pm;
}

QPixmap banner(const QString& text, const QColor& fore, const QColor& back, int width, int height, int pointSize) {
    QPixmap pm(width, height);
    pm.fill(back);
    QPainter p(&pm);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont f(QStringLiteral("Arial"));
    f.setBold(true);
    f.setPointSize(pointSize);
    p.setFont(f);
    p.setPen(fore);
    p.drawText(QRect(0, 0, width, height), Qt::AlignCenter, text);
    return pm;
}

} // namespace Pictures

// ------------------------------------------------ logos and signs

namespace Pictures {

QPixmap canvas(int width, int height, const QColor& fill) {
    QPixmap pm(width, height);
    pm.fill(fill);
    return pm;
}

namespace {

// One row of empty character boxes, as printed on the slip.
void boxRow(QPainter& p, qreal x, qreal y, int count, qreal cell, qreal height) {
    for (int i = 0; i < count; ++i)
        p.drawRect(QRectF(x + i * cell, y, cell, height));
}

// A writing line.
void fieldLine(QPainter& p, qreal x, qreal y, qreal width) { p.drawLine(QPointF(x, y), QPointF(x + width, y)); }

// One part of the slip: a coloured heading band, the account boxes, lines.
void slipPart(QPainter& p, const QRectF& r, int accountBoxes, int lines, bool main) {
    const QColor paper(255, 253, 240);
    const QColor band(70, 110, 190);
    const QColor ink(90, 120, 180);
    p.setPen(QPen(ink, 1));
    p.setBrush(paper);
    p.drawRect(r);
    const qreal bandH = r.height() * 0.16;
    p.fillRect(QRectF(r.left() + 1, r.top() + 1, r.width() - 1, bandH), band);
    p.setPen(QPen(QColor(255, 255, 255), 1));
    QFont f(QStringLiteral("Arial"));
    f.setBold(true);
    f.setPixelSize(qMax(6, int(bandH * 0.6)));
    p.setFont(f);
    p.drawText(QRectF(r.left() + 4, r.top() + 1, r.width() - 8, bandH), Qt::AlignVCenter | Qt::AlignLeft,
               main ? QStringLiteral("CONTI CORRENTI POSTALI") : QStringLiteral("RICEVUTA"));
    p.setPen(QPen(ink, 1));
    p.setBrush(Qt::NoBrush);
    // The main part holds the account, euros and cents boxes on one row.
    const int rowBoxes = main ? accountBoxes + 12 : accountBoxes;
    const qreal cell = qMin(r.width() * 0.9 / rowBoxes, r.height() * 0.09);
    const qreal top = r.top() + bandH + r.height() * 0.06;
    boxRow(p, r.left() + r.width() * 0.05, top, accountBoxes, cell, cell * 1.2);
    if (main) {
        // Euros and cents boxes at the right of the account number.
        boxRow(p, r.right() - r.width() * 0.05 - 11 * cell, top, 8, cell, cell * 1.2);
        boxRow(p, r.right() - r.width() * 0.05 - 2 * cell, top, 2, cell, cell * 1.2);
    }
    const qreal firstLine = top + cell * 1.2 + r.height() * 0.1;
    const qreal step = (r.bottom() - r.height() * 0.08 - firstLine) / qMax(1, lines - 1);
    for (int i = 0; i < lines; ++i)
        fieldLine(p, r.left() + r.width() * 0.05, firstLine + i * step, r.width() * 0.9);
}

} // namespace

QPixmap productLogo(int width, int height) {
    QPixmap pm = canvas(width, height, QColor(255, 255, 255));
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    // A quill over a small slip at the left.
    const qreal s = height * 0.8;
    const QRectF mark(height * 0.15, height * 0.1, s * 1.2, s);
    p.setPen(QPen(QColor(0, 0, 128), 1.5));
    p.setBrush(QColor(255, 253, 240));
    p.drawRoundedRect(mark.adjusted(0, s * 0.25, 0, 0), 3, 3);
    p.fillRect(QRectF(mark.left() + 1, mark.top() + s * 0.25 + 1, mark.width() - 1, s * 0.15), QColor(70, 110, 190));
    QPainterPath quill;
    quill.moveTo(mark.left() + mark.width() * 0.25, mark.bottom() - s * 0.1);
    quill.cubicTo(mark.left() + mark.width() * 0.5, mark.top() + s * 0.2, mark.right(), mark.top(),
                  mark.right() + s * 0.1, mark.top());
    quill.cubicTo(mark.right(), mark.top() + s * 0.35, mark.left() + mark.width() * 0.6, mark.top() + s * 0.55,
                  mark.left() + mark.width() * 0.25, mark.bottom() - s * 0.1);
    p.setBrush(QColor(192, 0, 0));
    p.setPen(QPen(QColor(128, 0, 0), 1));
    p.drawPath(quill);

    const qreal textLeft = mark.right() + height * 0.35;
    QFont name(QStringLiteral("Verdana"));
    name.setBold(true);
    name.setItalic(true);
    name.setPixelSize(int(height * 0.5));
    p.setFont(name);
    p.setPen(QColor(0, 0, 128));
    const QRectF nameRect(textLeft, 0, width - textLeft, height * 0.64);
    p.drawText(nameRect, Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("Quillora"));
    QFont sub(QStringLiteral("Verdana"));
    sub.setPixelSize(qMax(8, int(height * 0.16)));
    p.setFont(sub);
    p.setPen(QColor(90, 90, 90));
    p.drawText(QRectF(textLeft, height * 0.66, width - textLeft, height * 0.3), Qt::AlignLeft | Qt::AlignTop,
               QStringLiteral("Bollettini di conto corrente postale: compilazione, stampa e archivio"));
    return pm;
}

QPixmap blankSlip(int width, int height) {
    QPixmap pm = canvas(width, height, QColor(255, 255, 255));
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = width - 1;
    const qreal h = height - 1;
    const qreal stub = w * 0.22;
    slipPart(p, QRectF(0.5, 0.5, stub - 2, h - 1), 12, 5, false);
    slipPart(p, QRectF(stub + 0.5, 0.5, stub - 2, h - 1), 12, 5, false);
    slipPart(p, QRectF(2 * stub + 0.5, 0.5, w - 2 * stub - 1, h - 1), 12, 6, true);
    // The perforations between the parts.
    p.setPen(QPen(QColor(150, 150, 150), 1, Qt::DotLine));
    p.drawLine(QPointF(stub - 0.5, 0), QPointF(stub - 0.5, h));
    p.drawLine(QPointF(2 * stub - 0.5, 0), QPointF(2 * stub - 0.5, h));
    return pm;
}

QPixmap banknotes(int width, int height) {
    QPixmap pm = canvas(width, height);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    struct Note {
        qreal angle;
        QColor colour;
        const char* value;
    };
    const Note notes[] = {{-24, QColor(70, 130, 200), "20"}, {-8, QColor(220, 140, 60), "50"},
                          {8, QColor(90, 160, 80), "100"}};
    const qreal nw = width * 0.78;
    const qreal nh = height * 0.42;
    for (const Note& n : notes) {
        p.save();
        p.translate(width * 0.5, height * 0.55);
        p.rotate(n.angle);
        const QRectF r(-nw / 2, -nh / 2, nw, nh);
        QLinearGradient face(r.topLeft(), r.bottomRight());
        face.setColorAt(0, n.colour.lighter(150));
        face.setColorAt(1, n.colour);
        p.setPen(QPen(n.colour.darker(160), 1));
        p.setBrush(face);
        p.drawRoundedRect(r, 3, 3);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 255, 255, 150), 1));
        p.drawEllipse(QRectF(r.center().x() - nh * 0.3, r.center().y() - nh * 0.3, nh * 0.6, nh * 0.6));
        QFont f(QStringLiteral("Arial"));
        f.setBold(true);
        f.setPixelSize(qMax(6, int(nh * 0.36)));
        p.setFont(f);
        p.setPen(n.colour.darker(200));
        p.drawText(r.adjusted(3, 1, -3, -1), Qt::AlignLeft | Qt::AlignTop, QString::fromUtf8(n.value));
        p.drawText(r, Qt::AlignCenter, QString::fromUtf8("€"));
        p.restore();
    }
    return pm;
}

QPixmap questionSign(int width, int height) {
    QPixmap pm = canvas(width, height);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const qreal d = qMin(width, height) - 1;
    const QRectF disc((width - d) / 2.0, (height - d) / 2.0, d, d);
    QRadialGradient shine(disc.center() - QPointF(d * 0.2, d * 0.2), d * 0.7);
    shine.setColorAt(0, QColor(110, 160, 255));
    shine.setColorAt(1, QColor(0, 50, 170));
    p.setPen(QPen(QColor(0, 30, 110), 1));
    p.setBrush(shine);
    p.drawEllipse(disc);
    QFont f(QStringLiteral("Arial"));
    f.setBold(true);
    f.setPixelSize(qMax(6, int(d * 0.75)));
    p.setFont(f);
    p.setPen(QColor(255, 255, 255));
    p.drawText(disc, Qt::AlignCenter, QStringLiteral("?"));
    return pm;
}

QPixmap redCross(int width, int height) {
    QPixmap pm = canvas(width, height);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal m = qMin(width, height) * 0.15;
    const qreal pen = qMax(2.0, qMin(width, height) * 0.22);
    p.setPen(QPen(QColor(128, 0, 0), pen + 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(m, m), QPointF(width - m, height - m));
    p.drawLine(QPointF(width - m, m), QPointF(m, height - m));
    p.setPen(QPen(QColor(230, 20, 20), pen, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(m, m), QPointF(width - m, height - m));
    p.drawLine(QPointF(width - m, m), QPointF(m, height - m));
    return pm;
}

} // namespace Pictures

// ------------------------------------------------ the tool pictures

namespace Pictures {

void writtenLines(QPainter& p, qreal u, qreal left, qreal top, qreal width, int lines) {
    p.setPen(QPen(QColor(0, 0, 128), qMax(1.0, u * 0.4)));
    for (int i = 0; i < lines; ++i)
        p.drawLine(QPointF(left, top + i * 2 * u), QPointF(left + width, top + i * 2 * u));
}

namespace {

// A sheet of paper with a folded top-right corner, in a size x size square
// scaled to 16 units.
void sheet(QPainter& p, qreal u, const QRectF& r) {
    const qreal fold = 3 * u;
    QPainterPath path;
    path.moveTo(r.topLeft());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.bottomRight());
    path.lineTo(r.bottomLeft());
    path.closeSubpath();
    p.setPen(QPen(QColor(80, 80, 80), qMax(1.0, u * 0.5)));
    p.setBrush(Qt::white);
    p.drawPath(path);
    p.setBrush(QColor(210, 210, 210));
    p.drawPolygon(QPolygonF{QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold),
                            QPointF(r.right(), r.top() + fold)});
}

} // namespace

QPixmap newSheet(int size) {
    QPixmap pm = canvas(size, size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal u = size / 16.0;
    sheet(p, u, QRectF(3 * u, 1 * u, 10 * u, 14 * u));
    // A yellow spark in the top-left corner: the sheet is new.
    QPainterPath star;
    const QPointF c(4.5 * u, 3.5 * u);
    for (int i = 0; i < 10; ++i) {
        const qreal radius = (i % 2 ? 1.2 : 3.2) * u;
        const qreal angle = std::numbers::pi / 5 * i - std::numbers::pi / 2;
        const QPointF pt(c.x() + radius * std::cos(angle), c.y() + radius * std::sin(angle));
        i ? star.lineTo(pt) : star.moveTo(pt);
    }
    star.closeSubpath();
    p.setPen(QPen(QColor(160, 110, 0), qMax(1.0, u * 0.4)));
    p.setBrush(QColor(255, 210, 0));
    p.drawPath(star);
    return pm;
}

QPixmap diskette(int size) {
    QPixmap pm = canvas(size, size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal u = size / 16.0;
    const QRectF body(1.5 * u, 1.5 * u, 13 * u, 13 * u);
    p.setPen(QPen(QColor(10, 20, 60), qMax(1.0, u * 0.5)));
    p.setBrush(QColor(40, 70, 150));
    p.drawRoundedRect(body, u, u);
    // The metal shutter at the top and the label below.
    p.setBrush(QColor(200, 200, 210));
    p.drawRect(QRectF(4.5 * u, 1.5 * u, 7 * u, 4.5 * u));
    p.setBrush(QColor(40, 70, 150));
    p.drawRect(QRectF(9 * u, 2.3 * u, 1.6 * u, 3 * u));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3.5 * u, 8 * u, 9 * u, 6.5 * u));
    writtenLines(p, u, 4.5 * u, 10 * u, 7 * u, 2);
    return pm;
}

QPixmap magnifier(int size) {
    QPixmap pm = canvas(size, size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal u = size / 16.0;
    p.setPen(QPen(QColor(90, 50, 20), 2.4 * u, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10 * u, 10 * u), QPointF(14.5 * u, 14.5 * u));
    QRadialGradient glass(QPointF(5.5 * u, 5.5 * u), 5 * u);
    glass.setColorAt(0, QColor(235, 248, 255));
    glass.setColorAt(1, QColor(150, 200, 240));
    p.setPen(QPen(QColor(60, 60, 60), 1.4 * u));
    p.setBrush(glass);
    p.drawEllipse(QPointF(6.5 * u, 6.5 * u), 5 * u, 5 * u);
    return pm;
}

QPixmap marginSheet(int size) {
    QPixmap pm = canvas(size, size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal u = size / 16.0;
    sheet(p, u, QRectF(2.5 * u, 1 * u, 11 * u, 14 * u));
    // The margins, dashed in red, and the printable area written.
    p.setPen(QPen(QColor(200, 0, 0), qMax(1.0, u * 0.4), Qt::DashLine));
    p.drawLine(QPointF(5 * u, 1.5 * u), QPointF(5 * u, 14.5 * u));
    p.drawLine(QPointF(3 * u, 4 * u), QPointF(13 * u, 4 * u));
    writtenLines(p, u, 6 * u, 6 * u, 5.5 * u, 4);
    return pm;
}

QPixmap printer(int size) {
    QPixmap pm = canvas(size, size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal u = size / 16.0;
    const qreal line = qMax(1.0, u * 0.5);
    // The sheet coming out at the top, the body, the paper tray in front.
    p.setPen(QPen(QColor(80, 80, 80), line));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4 * u, 1 * u, 8 * u, 6 * u));
    writtenLines(p, u, 5 * u, 3 * u, 6 * u, 2);
    QLinearGradient body(0, 6 * u, 0, 12 * u);
    body.setColorAt(0, QColor(200, 200, 205));
    body.setColorAt(1, QColor(120, 120, 130));
    p.setPen(QPen(QColor(50, 50, 60), line));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(1 * u, 6 * u, 14 * u, 6 * u), u, u);
    p.setBrush(QColor(60, 200, 60));
    p.drawEllipse(QPointF(12.8 * u, 8 * u), 0.7 * u, 0.7 * u);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3.5 * u, 10.5 * u, 9 * u, 4.5 * u));
    return pm;
}

QPixmap deleteSheet(int size) {
    QPixmap pm = canvas(size, size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal u = size / 16.0;
    sheet(p, u, QRectF(2 * u, 1 * u, 10 * u, 13 * u));
    writtenLines(p, u, 3.5 * u, 4 * u, 6 * u, 4);
    p.setPen(QPen(QColor(120, 0, 0), 3 * u, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(7.5 * u, 7.5 * u), QPointF(14 * u, 14 * u));
    p.drawLine(QPointF(14 * u, 7.5 * u), QPointF(7.5 * u, 14 * u));
    p.setPen(QPen(QColor(230, 20, 20), 2 * u, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(7.5 * u, 7.5 * u), QPointF(14 * u, 14 * u));
    p.drawLine(QPointF(14 * u, 7.5 * u), QPointF(7.5 * u, 14 * u));
    return pm;
}

QPixmap browseArrow(Browse step, int size) {
    QPixmap pm = canvas(size, size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal u = size / 16.0;
    const bool back = step == Browse::First || step == Browse::Previous;
    const bool toEnd = step == Browse::First || step == Browse::Last;
    // Drawn pointing right, mirrored for the backward steps.
    if (back) {
        p.translate(size, 0);
        p.scale(-1, 1);
    }
    p.setPen(QPen(QColor(0, 0, 90), qMax(1.0, u * 0.4)));
    p.setBrush(QColor(0, 0, 128));
    const qreal left = toEnd ? 3.5 * u : 5 * u;
    p.drawPolygon(QPolygonF{QPointF(left, 3 * u), QPointF(left + 7 * u, 8 * u), QPointF(left, 13 * u)});
    if (toEnd)
        p.drawRect(QRectF(left + 7.5 * u, 3 * u, 1.8 * u, 10 * u));
    return pm;
}

} // namespace Pictures

// ------------------------------------------------ year chooser and decimal separator

namespace Pictures {

QPixmap calendar(int width, int height) {
    QPixmap pm(width, height);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF leaf(width * 0.06, height * 0.1, width * 0.88, height * 0.84);
    p.setPen(QPen(QColor(96, 96, 96), 1));
    p.setBrush(QColor(255, 255, 255));
    p.drawRoundedRect(leaf, width * 0.05, width * 0.05);
    const QRectF band(leaf.left(), leaf.top(), leaf.width(), leaf.height() * 0.3);
    p.setBrush(QColor(192, 0, 0));
    p.drawRect(band);
    // The rings that bind the leaves.
    p.setPen(QPen(QColor(64, 64, 64), qMax(1.5, width * 0.04), Qt::SolidLine, Qt::RoundCap));
    for (qreal x : {0.3, 0.7})
        p.drawLine(QPointF(width * x, height * 0.03), QPointF(width * x, height * 0.18));
    // A grid of days.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 128));
    const qreal cellW = leaf.width() / 7.0;
    const qreal cellH = (leaf.height() - band.height()) / 5.0;
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 7; ++col)
            p.drawRect(QRectF(leaf.left() + col * cellW + cellW * 0.25, band.bottom() + cellH * (row + 0.6),
                              cellW * 0.5, cellH * 0.5));
    return pm;
}

QPixmap spreadsheet(int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    const qreal u = size / 16.0;
    const QRectF sheet(1.5 * u, 1.5 * u, 13 * u, 13 * u);
    p.setPen(QPen(QColor(0, 96, 32), qMax(1.0, u * 0.5)));
    p.setBrush(QColor(255, 255, 255));
    p.drawRect(sheet);
    p.fillRect(QRectF(sheet.left(), sheet.top(), sheet.width(), 3 * u), QColor(0, 128, 64));
    p.setPen(QPen(QColor(0, 128, 64), qMax(1.0, u * 0.3)));
    for (int i = 1; i < 4; ++i)
        p.drawLine(QPointF(sheet.left() + i * sheet.width() / 4, sheet.top()),
                   QPointF(sheet.left() + i * sheet.width() / 4, sheet.bottom()));
    for (int i = 1; i < 5; ++i)
        p.drawLine(QPointF(sheet.left(), sheet.top() + 3 * u + i * 2 * u),
                   QPointF(sheet.right(), sheet.top() + 3 * u + i * 2 * u));
    return pm;
}

QPixmap decimalSeparator(int width, int height) {
    QPixmap pm(width, height);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont f(QStringLiteral("Arial"));
    f.setBold(true);
    f.setPixelSize(qMax(6, int(height * 0.7)));
    p.setFont(f);
    const QString whole = QStringLiteral("0");
    const QString comma = QStringLiteral(",");
    const QString cents = QStringLiteral("00");
    const QFontMetrics m(f);
    const int total = m.horizontalAdvance(whole + comma + cents);
    int x = (width - total) / 2;
    const int base = (height + m.ascent() - m.descent()) / 2;
    p.setPen(QColor(0, 0, 128));
    p.drawText(x, base, whole);
    x += m.horizontalAdvance(whole);
    p.setPen(QColor(220, 0, 0));
    p.drawText(x, base, comma);
    x += m.horizontalAdvance(comma);
    p.setPen(QColor(0, 0, 128));
    p.drawText(x, base, cents);
    return pm;
}

} // namespace Pictures
