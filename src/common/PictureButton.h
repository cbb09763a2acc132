#pragma once
// A picture button: a flat push button that shows a picture, with a tooltip
// that is also what accessibility tools read, and the hand pointer.

#include <QPixmap>
#include <QPushButton>

inline QPushButton* makePictureButton(QWidget* parent, const QPixmap& picture, const QString& toolTip) {
    auto* button = new QPushButton(parent);
    QIcon icon(picture);
    icon.addPixmap(picture, QIcon::Disabled);
    button->setIcon(icon);
    button->setIconSize(picture.size());
    button->setToolTip(toolTip);
    button->setAccessibleName(toolTip.trimmed());
    button->setCursor(Qt::PointingHandCursor);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}
