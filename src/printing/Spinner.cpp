#include "printing/Spinner.h"

#include "common/LeadingNumber.h"

#include <QKeyEvent>

#include <algorithm>
#include <cmath>

namespace {

QToolButton* arrow(QWidget* parent, Qt::ArrowType type, const QString& name) {
    auto* button = new QToolButton(parent);
    button->setArrowType(type);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAccessibleName(name);
    return button;
}

} // namespace

Spinner::Spinner(int minimum, int maximum, int value, QWidget* parent)
    : QWidget(parent), minimum_(minimum), maximum_(maximum), value_(std::clamp(value, minimum, maximum)) {
    setFocusPolicy(Qt::StrongFocus);
    up_ = arrow(this, Qt::UpArrow, QStringLiteral("Aumenta"));
    down_ = arrow(this, Qt::DownArrow, QStringLiteral("Diminuisci"));
    connect(up_, &QToolButton::clicked, this, [this] { stepUp(); });
    connect(down_, &QToolButton::clicked, this, [this] { stepDown(); });
}

void Spinner::setValue(int value) {
    value = std::clamp(value, minimum_, maximum_);
    if (value == value_)
        return;
    value_ = value;
    emit valueChanged(value_);
}

void Spinner::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up: stepUp(); break;
    case Qt::Key_Down: stepDown(); break;
    default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
}

void Spinner::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
}

int BoxWholeNumber(const QString& text) {
    const double value = std::nearbyint(LeadingNumberValue(text));
    if (!(value >= -32768 && value <= 32767))
        return 0;
    return int(value);
}
