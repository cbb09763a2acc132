#include "backup/WizardParts.h"

#include "common/Controls.h"
#include "common/Pictures.h"

#include <QFont>
#include <QIcon>
#include <QPainter>
#include <QPainterPath>

namespace WizardParts {

const QString kBlankLine = QStringLiteral("\r\n\r\n");

// ------------------------------------------------------------ pictures

using Pictures::canvas;

// An arrow pointing right (Avanti) or left (Indietro).
QPixmap arrow(int size, bool right) {
    QPixmap p = canvas(size, size);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    const double m = size * 0.15, mid = size / 2.0, shaft = size * 0.18;
    path.moveTo(m, mid - shaft);
    path.lineTo(mid, mid - shaft);
    path.lineTo(mid, m);
    path.lineTo(size - m, mid);
    path.lineTo(mid, size - m);
    path.lineTo(mid, mid + shaft);
    path.lineTo(m, mid + shaft);
    path.closeSubpath();
    if (!right)
        path = QTransform(-1, 0, 0, 1, size, 0).map(path);
    g.setPen(QPen(vbColor(0x004000), 1.5));
    g.setBrush(vbColor(0x00A000));
    g.drawPath(path);
    return p;
}

// An open door (Esci).
QPixmap door(int size) {
    QPixmap p = canvas(size, size);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    const QRectF frame(size * 0.25, size * 0.1, size * 0.5, size * 0.8);
    g.setPen(QPen(vbColor(0x404040), 2));
    g.setBrush(vbColor(0x202020));
    g.drawRect(frame);
    QPolygonF leaf({frame.topLeft(), QPointF(frame.right() - size * 0.08, frame.top() + size * 0.08),
                    QPointF(frame.right() - size * 0.08, frame.bottom() + size * 0.05), frame.bottomLeft()});
    g.setBrush(vbColor(0x1A6AA8));
    g.drawPolygon(leaf);
    g.setBrush(vbColor(0x00D0FF));
    g.drawEllipse(QPointF(frame.right() - size * 0.16, frame.center().y()), size * 0.03, size * 0.03);
    return p;
}

// A hand pointing right, at the button to use next.
QPixmap pointingHand(int width, int height) {
    QPixmap p = canvas(width, height);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QPen(Qt::black, 1.2));
    g.setBrush(vbColor(0x99CCFF));
    g.drawRoundedRect(QRectF(width * 0.1, height * 0.3, width * 0.45, height * 0.55), 4, 4);
    g.drawRoundedRect(QRectF(width * 0.45, height * 0.3, width * 0.5, height * 0.16), 3, 3);
    g.setBrush(vbColor(0xC00000));
    g.drawRect(QRectF(0, height * 0.3, width * 0.1, height * 0.55));
    return p;
}

// A yellow folder (Seleziona cartella).
QPixmap folder(int size) {
    QPixmap p = canvas(size, size);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QPen(vbColor(0x006080), 1.5));
    g.setBrush(vbColor(0x40C0F0));
    g.drawRoundedRect(QRectF(size * 0.1, size * 0.2, size * 0.35, size * 0.2), 2, 2);
    g.setBrush(vbColor(0x60E0FF));
    g.drawRoundedRect(QRectF(size * 0.1, size * 0.3, size * 0.8, size * 0.5), 3, 3);
    return p;
}

// A sheet with a green arrow coming back to it (Seleziona file).
QPixmap backupSheet(int size) {
    QPixmap p = canvas(size, size);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QPen(Qt::black, 1.2));
    g.setBrush(Qt::white);
    g.drawRect(QRectF(size * 0.25, size * 0.1, size * 0.5, size * 0.75));
    for (int i = 0; i < 4; ++i)
        g.drawLine(QPointF(size * 0.32, size * (0.25 + i * 0.12)), QPointF(size * 0.68, size * (0.25 + i * 0.12)));
    g.drawPixmap(QPointF(size * 0.45, size * 0.45), arrow(size / 2, false));
    return p;
}

// The picture as a disabled button shows it.
QPixmap greyed(const QPixmap& picture) {
    return QIcon(picture).pixmap(picture.deviceIndependentSize().toSize(), QIcon::Disabled);
}

// A wizard button: a picture above its word, which is also its name.
PictureButton* wizardButton(QWidget* parent, const QPixmap& picture, const QString& word) {
    auto* button = new PictureButton(parent);
    button->setPicture(picture);
    button->setCaption(word);
    button->setFocusPolicy(Qt::StrongFocus);
    button->setPressedLook(PictureButton::PressedLook::Shift);
    return button;
}

// A button whose picture turns grey while it is disabled.
void enableLooking(PictureButton* button, const QPixmap& picture, bool enabled) {
    button->setEnabled(enabled);
    button->setPicture(enabled ? picture : greyed(picture));
}

QLabel* handPicture(QWidget* parent) {
    auto* hand = new QLabel(parent);
    hand->setPixmap(pointingHand(Form::tw(600), Form::tw(420)));
    hand->setAccessibleName(QStringLiteral("Mano"));
    return hand;
}

// The text colour of an option or a label.
void paintText(QWidget* w, unsigned int vb) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, vbColor(vb));
    w->setPalette(pal);
}

QLabel* wrappedLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont font(QStringLiteral("Verdana"));
    font.setPointSize(9);
    label->setFont(font);
    return label;
}

// The close box is left out: the steps are left through their own buttons.
void dropCloseBox(Form* form) {
    form->setWindowFlag(Qt::WindowCloseButtonHint, false);
    form->setWindowFlag(Qt::WindowMinMaxButtonsHint, false);
}

QPixmap nextPicture() { return arrow(Form::tw(480), true); }

} // namespace WizardParts
