#include "common/PictureButton.h"

#include "common/Controls.h"
#include "common/Form.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

PictureButton::PictureButton(QWidget* parent) : QAbstractButton(parent) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
}

PictureButton::PictureButton(QWidget* parent, const QPixmap& picture, const QString& toolTip)
    : PictureButton(parent) {
    setPicture(picture);
    setTip(toolTip);
}

void PictureButton::setPicture(const QPixmap& picture) {
    picture_ = picture;
    updateGeometry();
    update();
}

void PictureButton::setCaption(const QString& caption) {
    setText(caption);
    updateAccessibleName();
    updateGeometry();
    update();
}

void PictureButton::setTip(const QString& toolTip) {
    setToolTip(toolTip);
    updateAccessibleName();
}

void PictureButton::updateAccessibleName() {
    const QString name = text().trimmed().isEmpty() ? toolTip().trimmed() : text().trimmed();
    setAccessibleName(name);
}

void PictureButton::setCaptionColors(unsigned int rest, unsigned int pressed) {
    captionRest_ = rest;
    captionPressed_ = pressed;
    setCaptionColor(rest);
}

void PictureButton::setCaptionColor(unsigned int vb) {
    captionNow_ = vb;
    update();
}

void PictureButton::placeTwips(int left, int top, int width, int height) {
    restLeft_ = left;
    restTop_ = top;
    placed_ = true;
    Form::place(this, left, top, width, height);
}

QSize PictureButton::sizeHint() const {
    QSize size = picture_.isNull() ? QSize(0, 0) : picture_.deviceIndependentSize().toSize();
    if (!text().isEmpty()) {
        const QSize t = fontMetrics().size(Qt::TextShowMnemonic, text());
        size = QSize(std::max(size.width(), t.width() + 4), size.height() + t.height() + 2);
    }
    return size;
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QRect area = rect();
    if (!text().isEmpty()) {
        const int textHeight = fontMetrics().height() + 2;
        const QRect captionRect(0, area.height() - textHeight, area.width(), textHeight);
        if (!picture_.isNull())
            area.setHeight(area.height() - textHeight);
        else
            area = QRect();
        painter.setPen(vbColor(captionNow_));
        painter.drawText(picture_.isNull() ? rect() : captionRect, Qt::AlignCenter | Qt::TextWordWrap, text());
    }
    if (!picture_.isNull() && area.isValid()) {
        const QSize size = picture_.deviceIndependentSize().toSize();
        const QPoint at(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2);
        painter.drawPixmap(at, picture_);
    }
    if (hasFocus()) {
        QPen pen(palette().color(QPalette::WindowText));
        pen.setStyle(Qt::DotLine);
        painter.setPen(pen);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void PictureButton::showPressed(bool pressed) {
    switch (look_) {
    case PressedLook::None: break;
    case PressedLook::Shift:
        if (placed_)
            Form::showPressed(this, restLeft_, restTop_, pressed);
        break;
    case PressedLook::CaptionColor: setCaptionColor(pressed ? captionPressed_ : captionRest_); break;
    }
}

void PictureButton::mousePressEvent(QMouseEvent* event) {
    showPressed(true);
    if (MouseDown)
        MouseDown(event->button());
    event->accept();
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event) {
    QPointer<PictureButton> self(this);
    showPressed(false);
    if (MouseUp)
        MouseUp(event->button());
    if (self && event->button() == Qt::LeftButton && isEnabled())
        click();
    event->accept();
}

void PictureButton::mouseMoveEvent(QMouseEvent* event) { event->accept(); }

void PictureButton::mouseDoubleClickEvent(QMouseEvent* event) {
    if (DblClick)
        DblClick();
    else
        mousePressEvent(event);
}

bool PictureButton::hitButton(const QPoint& pos) const { return rect().contains(pos); }
