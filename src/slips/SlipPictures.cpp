#include "slips/SlipPictures.h"

#include "common/Pictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

// A fat green arrow pointing right, its tail at x.
void greenArrow(QPainter& p, qreal u, qreal x, qreal y, qreal length) {
    QPainterPath a;
    a.moveTo(x, y - 1.2 * u);
    a.lineTo(x + length - 3 * u, y - 1.2 * u);
    a.lineTo(x + length - 3 * u, y - 3 * u);
    a.lineTo(x + length, y);
    a.lineTo(x + length - 3 * u, y + 3 * u);
    a.lineTo(x + length - 3 * u, y + 1.2 * u);
    a.lineTo(x, y + 1.2 * u);
    a.closeSubpath();
    p.setPen(QPen(QColor(0, 90, 0), qMax(1.0, u * 0.4)));
    p.setBrush(QColor(40, 170, 40));
    p.drawPath(a);
}

// A small box of index cards.
void cardBox(QPainter& p, qreal u, const QRectF& r) {
    p.setPen(QPen(QColor(90, 60, 20), qMax(1.0, u * 0.4)));
    p.setBrush(QColor(250, 240, 200));
    for (int i = 0; i < 3; ++i)
        p.drawRect(QRectF(r.left() + i * u, r.top() + i * 1.2 * u, r.width() - 2 * u, r.height() * 0.6));
    p.setBrush(QColor(190, 130, 60));
    p.drawRect(QRectF(r.left() - 0.5 * u, r.top() + r.height() * 0.45, r.width() + 0.5 * u, r.height() * 0.55));
}

} // namespace

namespace SlipPictures {

QPixmap postStamp(int width, int height) {
    QPixmap pm = Pictures::canvas(width, height);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF r(1.5, 1.5, width - 3, height - 3);
    // The perforated edge: small bites along a white border.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(r);
    p.setBrush(QColor(200, 200, 200));
    const qreal bite = qMax(2.0, qMin(width, height) / 10.0);
    for (qreal x = r.left() + bite; x < r.right() - bite / 2; x += 2 * bite) {
        p.drawEllipse(QPointF(x, r.top()), bite / 2, bite / 2);
        p.drawEllipse(QPointF(x, r.bottom()), bite / 2, bite / 2);
    }
    for (qreal y = r.top() + bite; y < r.bottom() - bite / 2; y += 2 * bite) {
        p.drawEllipse(QPointF(r.left(), y), bite / 2, bite / 2);
        p.drawEllipse(QPointF(r.right(), y), bite / 2, bite / 2);
    }
    const QRectF face = r.adjusted(bite, bite, -bite, -bite);
    QLinearGradient fill(face.topLeft(), face.bottomRight());
    fill.setColorAt(0, QColor(90, 140, 220));
    fill.setColorAt(1, QColor(20, 50, 140));
    p.setBrush(fill);
    p.drawRect(face);
    QFont f(QStringLiteral("Arial"));
    f.setBold(true);
    f.setPixelSize(qMax(6, int(face.height() * 0.75)));
    p.setFont(f);
    p.setPen(QColor(255, 220, 0));
    p.drawText(face, Qt::AlignCenter, QString::fromUtf8("€"));
    return pm;
}

QPixmap cardImport(int size) {
    QPixmap pm = Pictures::canvas(size, size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal u = size / 16.0;
    cardBox(p, u, QRectF(1 * u, 2 * u, 9 * u, 10 * u));
    greenArrow(p, u, 7 * u, 12.5 * u, 8.5 * u);
    return pm;
}

QPixmap cardExport(int size) {
    QPixmap pm = Pictures::canvas(size, size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal u = size / 16.0;
    cardBox(p, u, QRectF(6 * u, 2 * u, 9 * u, 10 * u));
    greenArrow(p, u, 0.5 * u, 12.5 * u, 9 * u);
    return pm;
}

} // namespace SlipPictures
