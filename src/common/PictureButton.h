#pragma once
// A picture button: a flat button showing a picture, a caption, or both (the
// picture above the caption). To the desktop's accessibility tools it is a
// push button named by its caption, or by its tooltip when it has none, with
// a press action; pressing it that way, or with the keyboard when it takes the
// focus, clicks it as the mouse does.
//
// Mouse: any button pressed runs MouseDown and shows the pressed look; any
// button released runs MouseUp and restores the resting look; the left button
// released then clicks it (the clicked() signal), wherever the pointer is, as
// the Windows program's pictures and captions did.

#include <QAbstractButton>
#include <QPixmap>

#include <functional>

class PictureButton : public QAbstractButton {
    Q_OBJECT
public:
    enum class PressedLook {
        None,
        Shift,       // stands 20 twips right of and below its resting place
        CaptionColor // the caption takes the pressed colour
    };

    explicit PictureButton(QWidget* parent = nullptr);
    PictureButton(QWidget* parent, const QPixmap& picture, const QString& toolTip);

    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return picture_; }
    void setCaption(const QString& caption);
    QString caption() const { return text(); }
    // The tooltip, also the accessible name while there is no caption.
    void setTip(const QString& toolTip);

    void setPressedLook(PressedLook look) { look_ = look; }
    // Caption colours (&HBBGGRR) at rest and while pressed.
    void setCaptionColors(unsigned int rest, unsigned int pressed);
    void setCaptionColor(unsigned int vb);
    unsigned int captionColor() const { return captionNow_; }
    // For PressedLook::Shift: the resting place, in twips.
    void placeTwips(int left, int top, int width, int height);

    std::function<void(Qt::MouseButton)> MouseDown;
    std::function<void(Qt::MouseButton)> MouseUp;
    std::function<void()> DblClick;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    void showPressed(bool pressed);
    void updateAccessibleName();

    QPixmap picture_;
    PressedLook look_ = PressedLook::None;
    unsigned int captionRest_ = 0x000000;
    unsigned int captionPressed_ = 0x000000;
    unsigned int captionNow_ = 0x000000;
    int restLeft_ = 0, restTop_ = 0;
    bool placed_ = false;
};

// A plain push button showing a picture, with the tooltip as its accessible name.
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
