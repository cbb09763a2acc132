#pragma once
// The main menu: the hub reached after the login and whenever a work window
// closes. Four picture buttons with their caption labels, a help and an exit
// picture, a tiled background, a centred panel and a scrolling banner.

#include "common/Controls.h"
#include "common/Form.h"

#include "common/PictureButton.h"
#include <QTimer>

class QPainter;

class frmMenu : public Form {
    Q_OBJECT
public:
    frmMenu();

    Panel* picContainer;
    Panel* shpOmbra01;
    Panel* shpOmbra02;
    Panel* picPulsanti;
    PictureButton* cmdLogo;
    Panel* picScroll;
    QLabel* picFlash;
    QTimer* Timer1;
    PictureButton* cmdBollettini;
    PictureButton* lblBollettini;
    QLabel* lblMod;
    PictureButton* cmdAnagrafica;
    PictureButton* cmdCausali;
    PictureButton* cmdRiepilogo;
    PictureButton* lblAnagrafica;
    PictureButton* lblCausali;
    PictureButton* lblRiepilogo;
    Panel* picControlli;
    PictureButton* imgGuida;
    PictureButton* imgEsci;
    QLabel* P;

    void Form_Resize();
    void Form_Paint(QPainter& surface);
    void Timer1_Timer();
    void cmdBollettini_Click();
    void cmdAnagrafica_Click();
    void cmdCausali_Click();
    void cmdRiepilogo_Click();
    void lblBollettini_MouseDown(Qt::MouseButton button);
    void lblBollettini_MouseUp(Qt::MouseButton button);
    void lblAnagrafica_MouseDown(Qt::MouseButton button);
    void lblAnagrafica_MouseUp(Qt::MouseButton button);
    void lblCausali_MouseDown(Qt::MouseButton button);
    void lblCausali_MouseUp(Qt::MouseButton button);
    void lblRiepilogo_MouseDown(Qt::MouseButton button);
    void lblRiepilogo_MouseUp(Qt::MouseButton button);
    void imgGuida_MouseDown(Qt::MouseButton button);
    void imgGuida_MouseUp(Qt::MouseButton button);
    void imgEsci_MouseDown(Qt::MouseButton button);
    void imgEsci_MouseUp(Qt::MouseButton button);

    // The banner's left edge in twips within its strip; setting it moves it.
    int bannerLeft() const { return bannerLeft_; }
    void setBannerLeft(int twips);
    // The panel's position in twips, as the last resize left it.
    int containerLeft() const { return containerLeft_; }
    int containerTop() const { return containerTop_; }
    // The sizes the tiling works with, in pixels.
    int tileWidth() const { return tileWidth_; }
    int tileHeight() const { return tileHeight_; }
    int windowWidth() const { return windowWidth_; }
    int windowHeight() const { return windowHeight_; }

protected:
    void Form_Load() override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void wire();
    void setContainerPosition(int left, int top);

    qint16 tileWidth_ = 0;
    qint16 tileHeight_ = 0;
    qint32 windowWidth_ = 0;
    qint32 windowHeight_ = 0;
    int bannerLeft_ = 0;
    int containerLeft_ = 0;
    int containerTop_ = 0;
};
