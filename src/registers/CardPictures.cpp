#include "registers/CardPictures.h"

#include "common/Pictures.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

QPixmap SignPicture(const QString& sign, const QColor& color, int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(160, 160, 160), 1));
    p.setBrush(QColor(250, 250, 245));
    p.drawRoundedRect(QRectF(0.5, 0.5, size - 1, size - 1), size / 6.0, size / 6.0);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(std::max(8, size * 2 / 3));
    font.setBold(true);
    p.setFont(font);
    p.setPen(color);
    p.drawText(QRect(0, 0, size, size), Qt::AlignCenter, sign);
    return pm;
}

namespace CardPictures {

QPixmap word(int size) { return SignPicture(QStringLiteral("W"), QColor(0x2B, 0x57, 0x9A), size); }
QPixmap backup(int size) { return SignPicture(QString(QChar(0x21BB)), QColor(0x10, 0x80, 0x30), size); }
QPixmap phone(int size) { return SignPicture(QString(QChar(0x260E)), QColor(0x20, 0x20, 0x20), size); }
QPixmap mail(int size) { return SignPicture(QString(QChar(0x2709)), QColor(0x00, 0x40, 0xA0), size); }
QPixmap check(int size) { return SignPicture(QString(QChar(0x2714)), QColor(0x10, 0x90, 0x20), size); }

QPixmap lookupBanner(int width, int height, const QString& heading) {
    QPixmap pm(width, height);
    pm.fill(QColor(0xFF, 0xFF, 0xFF));
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 3; ++i) {
        const QRectF card(10 + i * 7, 8 + i * 5, height * 0.9, height - 26);
        p.setPen(QColor(120, 120, 120));
        p.setBrush(QColor(255, 250, 225 - i * 20));
        p.drawRect(card);
    }
    QFont font(QStringLiteral("Verdana"));
    font.setPixelSize(std::max(10, height / 3));
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(0, 0, 128));
    p.drawText(QRect(int(height * 1.7), 0, width - int(height * 1.7), height), Qt::AlignVCenter | Qt::AlignLeft,
               heading);
    return pm;
}

QPixmap writingHandBanner(const QString& heading) {
    constexpr int kWidth = 301;
    constexpr int kHeight = 53;
    QPixmap pm = Pictures::canvas(kWidth, kHeight, QColor(0xFF, 0xFF, 0xFF));
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);

    // The sheet, tilted a little, half written.
    p.save();
    p.translate(30, 27);
    p.rotate(-6);
    p.setPen(QPen(QColor(120, 120, 120), 1));
    p.setBrush(QColor(255, 253, 240));
    p.drawRect(QRectF(-24, -19, 44, 38));
    Pictures::writtenLines(p, 2.5, -19, -12, 34, 3);
    p.setPen(QPen(QColor(0, 0, 128), 1));
    p.drawLine(QPointF(-19, 3), QPointF(-4, 3)); // the line being written
    p.restore();

    // The pen, its nib on the line being written, rising to the right.
    const QPointF nib(27, 29);
    const QPointF top(62, 5);
    p.setPen(QPen(QColor(20, 40, 110), 3.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(nib + QPointF(4, -3), top);
    p.setPen(QPen(QColor(40, 40, 40), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(nib, nib + QPointF(4, -3));

    // The hand round the pen: the palm behind, the thumb over the pen, two
    // fingers curled under it, and the cuff of the sleeve.
    const QColor skin(240, 200, 160);
    p.setPen(QPen(skin.darker(140), 1));
    p.setBrush(skin);
    QPainterPath palm;
    palm.moveTo(38, 24);
    palm.cubicTo(41, 14, 54, 10, 62, 15);
    palm.cubicTo(67, 19, 66, 30, 59, 35);
    palm.cubicTo(52, 39, 42, 36, 38, 24);
    p.drawPath(palm);
    p.drawEllipse(QRectF(33, 22, 11, 6.5)); // the curled fingers
    p.drawEllipse(QRectF(34, 27, 10, 6));
    QPainterPath thumb;
    thumb.moveTo(44, 16);
    thumb.cubicTo(40, 17, 36, 20, 34, 23);
    thumb.cubicTo(36, 25, 40, 23, 47, 20);
    p.drawPath(thumb);
    p.setBrush(QColor(60, 90, 150));
    p.setPen(QPen(QColor(30, 50, 100), 1));
    p.drawPolygon(QPolygonF{QPointF(60, 12), QPointF(68, 6), QPointF(76, 20), QPointF(67, 26)});

    QFont font(QStringLiteral("Verdana"));
    font.setPixelSize(15);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(0, 0, 128));
    p.drawText(QRect(86, 0, kWidth - 90, kHeight), Qt::AlignVCenter | Qt::AlignLeft, heading);
    return pm;
}

} // namespace CardPictures
