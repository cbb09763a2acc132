#include "registers/CardPictures.h"

#include <QFont>
#include <QPainter>

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

} // namespace CardPictures
