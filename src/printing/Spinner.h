#pragma once
// A vertical spinner: an up arrow and a down arrow beside a box, stepping a
// whole value by one within its range (the up arrow increases it, and stops
// at the top of the range; the down arrow stops at the bottom). The arrow
// keys step it too while it has the focus. Setting a value, by the arrows or
// by code, emits valueChanged when the value changes.

#include <QToolButton>
#include <QWidget>

class Spinner : public QWidget {
    Q_OBJECT
public:
    Spinner(int minimum, int maximum, int value, QWidget* parent = nullptr);

    int value() const { return value_; }
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    // Values outside the range are taken as its nearest end.
    void setValue(int value);
    void stepUp() { setValue(value_ < maximum_ ? value_ + 1 : value_); }
    void stepDown() { setValue(value_ > minimum_ ? value_ - 1 : value_); }

    QToolButton* upArrow() const { return up_; }
    QToolButton* downArrow() const { return down_; }

signals:
    void valueChanged(int value);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int minimum_;
    int maximum_;
    int value_;
    QToolButton* up_;
    QToolButton* down_;
};

// The whole number a box beside a spinner holds: its leading number (blanks
// skipped, reading stops at the first character that cannot continue it),
// rounded to the nearest whole number, a half to the even one; 0 when it
// reads no number or one outside -32768..32767.
int BoxWholeNumber(const QString& text);
