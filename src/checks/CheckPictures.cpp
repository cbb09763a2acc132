#include "checks/CheckPictures.h"

#include "common/Pictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace CheckPictures {

namespace {

using Pictures::canvas;

// A plain sheet written from two units below its top to a unit above its
// bottom.
void writtenSheet(QPainter& p, qreal u, const QRectF& r) {
    p.setPen(QPen(QColor(80, 80, 80), qMax(1.0, u * 0.5)));
    p.setBrush(Qt::white);
    p.drawRect(r);
    Pictures::writtenLines(p, u, r.left() + u, r.top() + 2 * u, r.width() - 2 * u,
                           int(std::ceil((r.height() - 3 * u) / (2 * u))));
}

} // namespace

QPixmap copySheets(int size) {
    QPixmap pm = canvas(size, size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal u = size / 16.0;
    writtenSheet(p, u, QRectF(1.5 * u, 1 * u, 8.5 * u, 10.5 * u));
    writtenSheet(p, u, QRectF(6 * u, 4.5 * u, 8.5 * u, 10.5 * u));
    return pm;
}

QPixmap checkTick(int width, int height) {
    QPixmap pm = canvas(width, height);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient back(0, 0, 0, height);
    back.setColorAt(0, QColor(250, 250, 250));
    back.setColorAt(1, QColor(200, 200, 210));
    p.setPen(QPen(QColor(120, 120, 140), 1));
    p.setBrush(back);
    p.drawRoundedRect(QRectF(0.5, 0.5, width - 1, height - 1), 6, 6);
    const qreal u = height / 16.0;
    const qreal x = width / 2.0 - 8 * u;
    // The tick.
    QPainterPath tick;
    tick.moveTo(x + 1 * u, 8.5 * u);
    tick.lineTo(x + 5 * u, 12.5 * u);
    tick.lineTo(x + 12 * u, 3.5 * u);
    p.setPen(QPen(QColor(0, 140, 40), 2.2 * u, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tick);
    // The magnifying glass over it.
    p.setPen(QPen(QColor(60, 60, 60), 1.2 * u));
    p.setBrush(QColor(180, 210, 255, 110));
    p.drawEllipse(QPointF(x + 12 * u, 9 * u), 3.2 * u, 3.2 * u);
    p.setPen(QPen(QColor(90, 60, 20), 1.6 * u, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(x + 14.3 * u, 11.3 * u), QPointF(x + 17 * u, 14 * u));
    return pm;
}

QPixmap logo(const QString& caption, int width, int height) {
    QPixmap pm = canvas(width, height);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient back(0, 0, width, 0);
    back.setColorAt(0, QColor(0, 0, 128));
    back.setColorAt(1, QColor(70, 110, 200));
    p.setPen(Qt::NoPen);
    p.setBrush(back);
    p.drawRoundedRect(QRectF(0, 0, width, height), 6, 6);
    // A small card with a row of boxes at the left.
    const qreal h = height * 0.6;
    const QRectF card(height * 0.25, (height - h) / 2, h * 1.6, h);
    p.setBrush(QColor(255, 255, 240));
    p.setPen(QPen(QColor(200, 170, 60), 1));
    p.drawRoundedRect(card, 3, 3);
    p.setPen(QPen(QColor(0, 0, 128), 1));
    const qreal cell = card.width() / 8;
    for (int i = 1; i < 7; ++i)
        p.drawRect(QRectF(card.left() + i * cell, card.center().y() - cell / 2, cell * 0.8, cell));
    QFont f(QStringLiteral("Verdana"));
    f.setBold(true);
    f.setPixelSize(qMax(8, height * 2 / 5));
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(card.right() + height * 0.3, 0, width - card.right(), height), Qt::AlignVCenter | Qt::AlignLeft,
               caption);
    return pm;
}

QPixmap envelope(int width, int height) {
    QPixmap pm = canvas(width, height);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(1, 1, width - 2, height - 2);
    p.setPen(QPen(QColor(120, 100, 40), 1.2));
    p.setBrush(QColor(250, 235, 180));
    p.drawRect(r);
    p.drawLine(r.topLeft(), QPointF(r.center().x(), r.top() + r.height() * 0.6));
    p.drawLine(r.topRight(), QPointF(r.center().x(), r.top() + r.height() * 0.6));
    return pm;
}

} // namespace CheckPictures
