#include "common/PictureButton.h"

#include "common/Controls.h"
#include "common/Form.h"

#include <QMouseEvent>
#include <QPainter>
#include <qdrawutil.h>
#include <QPointer>

PictureButton::PictureButton(QWidget* parent) : QAbstractButton(parent) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    // Presses that do not come from the mouse (keyboard, accessibility tools)
    // run the mouse hooks as a left click would.
    connect(this, &QAbstractButton::pressed, this, [this] {
        if (!mouseClick_)
            down(Qt::LeftButton);
    });
    connect(this, &QAbstractButton::released, this, [this] {
        if (!mouseClick_)
            up(Qt::LeftButton);
    });
}

PictureButton::PictureButton(QWidget* parent, const QPixmap& picture, const QString& toolTip)
    : PictureButton(parent) {
    setPicture(picture);
    setTip(toolTip);
}

PictureButton::PictureButton(const QString& caption, QWidget* parent) : PictureButton(parent) {
    setCaption(caption);
}

PictureButton* PictureButton::raised(QWidget* parent, const QPixmap& picture, const QString& toolTip) {
    auto* button = new PictureButton(parent, picture, toolTip);
    button->setRaised(true);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

void PictureButton::setPicture(const QPixmap& picture) {
    picture_ = picture;
    QIcon icon(picture);
    icon.addPixmap(picture, QIcon::Disabled);
    setIcon(icon);
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

void PictureButton::setAlignment(Qt::Alignment alignment) {
    alignment_ = alignment;
    update();
}

void PictureButton::setRaised(bool on) {
    raised_ = on;
    update();
}

void PictureButton::setWordWrap(bool on) {
    wordWrap_ = on;
    update();
}

void PictureButton::updateAccessibleName() {
    const QString name = text().trimmed().isEmpty() ? toolTip().trimmed() : text().trimmed();
    setAccessibleName(name);
}

void PictureButton::setCaptionColors(unsigned int rest, unsigned int pressed) {
    captionRest_ = rest;
    captionPressed_ = pressed;
    setForeColor(rest);
}

void PictureButton::setForeColor(unsigned int vb) {
    captionNow_ = vb;
    update();
}

void PictureButton::setBackColor(unsigned int vb) {
    back_ = vb;
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
    if (back_ != 0xFFFFFFFFu)
        painter.fillRect(rect(), vbColor(back_));
    QRect area = rect();
    if (!text().isEmpty()) {
        const int textHeight = fontMetrics().height() + 2;
        const QRect captionRect(0, area.height() - textHeight, area.width(), textHeight);
        if (!picture_.isNull())
            area.setHeight(area.height() - textHeight);
        else
            area = QRect();
        painter.setPen(vbColor(captionNow_));
        const int flags = int(alignment_) | (wordWrap_ ? int(Qt::TextWordWrap) : 0);
        painter.drawText(picture_.isNull() ? rect() : captionRect, flags, text());
    }
    if (!picture_.isNull() && area.isValid()) {
        const QSize size = picture_.deviceIndependentSize().toSize();
        const QPoint at(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2);
        painter.drawPixmap(at, picture_);
    }
    if (raised_)
        qDrawShadePanel(&painter, rect(), palette(), isDown(), 2);
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
    case PressedLook::CaptionColor: setForeColor(pressed ? captionPressed_ : captionRest_); break;
    }
}

void PictureButton::down(Qt::MouseButton button) {
    showPressed(true);
    if (MouseDown)
        MouseDown(button);
}

void PictureButton::up(Qt::MouseButton button) {
    showPressed(false);
    if (MouseUp)
        MouseUp(button);
}

void PictureButton::mousePressEvent(QMouseEvent* event) {
    setDown(true);
    down(event->button());
    event->accept();
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event) {
    QPointer<PictureButton> self(this);
    setDown(false);
    up(event->button());
    if (self && event->button() == Qt::LeftButton && isEnabled()) {
        mouseClick_ = true;
        click();
        if (self)
            mouseClick_ = false;
    }
    event->accept();
}

void PictureButton::mouseMoveEvent(QMouseEvent* event) {
    if (MouseMove)
        MouseMove();
    event->accept();
}

void PictureButton::mouseDoubleClickEvent(QMouseEvent* event) {
    if (DblClick)
        DblClick();
    else
        mousePressEvent(event);
}

bool PictureButton::hitButton(const QPoint& pos) const { return rect().contains(pos); }

void WireTools(QObject* context, std::initializer_list<ToolAction> tools) {
    for (const ToolAction& tool : tools)
        QObject::connect(tool.button, &QAbstractButton::clicked, context, [click = tool.click] { click(); });
}
