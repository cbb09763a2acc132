#pragma once
// A picture button: a flat button showing a picture, a caption, or both (the
// picture above the caption). To the desktop's accessibility tools it is a
// push button named by its caption, or by its tooltip when it has none, with
// a press action.
//
// Mouse: any button pressed runs MouseDown and shows the pressed look; any
// button released runs MouseUp and restores the resting look; the left button
// released then clicks it (the clicked() signal), wherever the pointer is, as
// the Windows program's pictures and captions did. A press that comes from the
// keyboard or from an accessibility tool runs MouseDown and MouseUp with the
// left button and then clicks, exactly as a left click of the mouse: a window
// may put its action on the release or on the click, and both ways work.

#include <QAbstractButton>
#include <QPixmap>

#include <functional>
#include <initializer_list>

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
    // A caption alone.
    PictureButton(const QString& caption, QWidget* parent);
    // A command button showing a picture: raised, taking the keyboard focus
    // with the Tab key, named by its tooltip.
    static PictureButton* raised(QWidget* parent, const QPixmap& picture, const QString& toolTip);

    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return picture_; }
    void setCaption(const QString& caption);
    QString caption() const { return text(); }
    // The tooltip, also the accessible name while there is no caption.
    void setTip(const QString& toolTip);
    // How the caption lies in the button (centred unless set).
    void setAlignment(Qt::Alignment alignment);
    void setWordWrap(bool on);
    // A raised bevel around the button, sunken while it is held.
    void setRaised(bool on);

    void setPressedLook(PressedLook look) { look_ = look; }
    // Caption colours (&HBBGGRR) at rest and while pressed.
    void setCaptionColors(unsigned int rest, unsigned int pressed);
    // The caption's colour now (&HBBGGRR).
    void setForeColor(unsigned int vb);
    unsigned int foreColor() const { return captionNow_; }
    // The background (&HBBGGRR); transparent until set.
    void setBackColor(unsigned int vb);
    unsigned int backColor() const { return back_; }
    // For PressedLook::Shift: the resting place, in twips.
    void placeTwips(int left, int top, int width, int height);

    std::function<void(Qt::MouseButton)> MouseDown;
    std::function<void(Qt::MouseButton)> MouseUp;
    std::function<void()> MouseMove;
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
    void down(Qt::MouseButton button);
    void up(Qt::MouseButton button);

    QPixmap picture_;
    PressedLook look_ = PressedLook::None;
    Qt::Alignment alignment_ = Qt::AlignCenter;
    bool wordWrap_ = true;
    bool raised_ = false;
    unsigned int captionRest_ = 0x000000;
    unsigned int captionPressed_ = 0x000000;
    unsigned int captionNow_ = 0x000000;
    unsigned int back_ = 0xFFFFFFFFu; // transparent
    int restLeft_ = 0, restTop_ = 0;
    bool placed_ = false;
    bool mouseClick_ = false;
};

// One row of a tool column: the button, the handler its click runs.
struct ToolAction {
    PictureButton* button;
    std::function<void()> click;
};

// Wires each row's click to its handler.
void WireTools(QObject* context, std::initializer_list<ToolAction> tools);
