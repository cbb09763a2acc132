#include "shell/frmMenu.h"

#include "common/PictureButton.h"
#include "common/Pictures.h"
#include "shell/MenuPictures.h"
#include "platform/Program.h"
#include "common/HelpCatalogue.h"
#include "services/frmHelpForm.h"
#include "registers/reasons/frmCausali.h"
#include "shell/frmMenuAnagrafica.h"
#include "slips/frmSelezione.h"
#include "summaries/frmSelezione01.h"

#include <QFont>
#include <QPainter>

namespace {

// The screen the window layout was designed on: 15 twips to the pixel, as
// Form::tw assumes.
constexpr int kTwipsPerPixel = 15;

// Resting positions of the tool pictures and the shift of their pressed look.
constexpr int kGuidaLeft = 90, kGuidaTop = 180, kGuidaWidth = 435, kGuidaHeight = 420;
constexpr int kEsciLeft = 225, kEsciTop = 7515, kEsciWidth = 255, kEsciHeight = 270;

// The banner: where it starts, where it wraps, how far one step moves it.
constexpr int kBannerStart = 9890;
constexpr int kBannerTop = 45;
constexpr int kBannerGone = -18500;
constexpr int kBannerReenter = 10200;
constexpr int kBannerStep = 20;

// Twips to pixels, rounding negative positions like positive ones.
int pixels(int twips) { return twips < 0 ? -Form::tw(-twips) : Form::tw(twips); }

// A picture button of the menu: raised, white, named by the caption under it.
PictureButton* pictureButton(QWidget* parent, const QPixmap& picture, const QString& caption) {
    auto* button = PictureButton::raised(parent, picture, QString());
    button->setAccessibleName(caption);
    button->setBackColor(Colors::White);
    return button;
}

// The caption under a picture button: white on navy, Verdana, centred.
PictureButton* captionLabel(QWidget* parent, const QString& caption) {
    auto* label = new PictureButton(caption, parent);
    label->setForeColor(Colors::White);
    label->setBackColor(Colors::Navy);
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(9.75);
    label->setFont(font);
    return label;
}

// A picture of the tool strip, named by its tooltip.
PictureButton* toolPicture(QWidget* parent, const QPixmap& picture, const QString& toolTip) {
    return new PictureButton(parent, picture, toolTip);
}

} // namespace

frmMenu::frmMenu() : Form(Kind::TopLevel) {
    setObjectName(QStringLiteral("frmMenu"));
    setWindowTitle(QStringLiteral(" Quillora - Mod. CH 8 TER / QUATER"));
    resize(tw(11880), tw(8490));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, vbColor(Colors::White));
    setPalette(pal);

    picContainer = new Panel(this, Colors::White);
    place(picContainer, 270, 180, 11310, 8115);
    containerLeft_ = 270;
    containerTop_ = 180;

    // The drop shadows lie beneath the button area and the tool strip.
    shpOmbra01 = new Panel(picContainer, Colors::LightGrey);
    place(shpOmbra01, 90 + 135, 45 + 135, 10230, 7935);
    shpOmbra02 = new Panel(picContainer, Colors::LightGrey);
    place(shpOmbra02, 10530 + 135, 45 + 135, 645, 7935);

    picPulsanti = new Panel(picContainer, Colors::LightGrey);
    place(picPulsanti, 90, 45, 10230, 7935);

    const QSize logoSize(tw(9960) - 6, tw(1365) - 6);
    cmdLogo = pictureButton(picPulsanti, Pictures::productLogo(logoSize.width(), logoSize.height()),
                            QStringLiteral("Quillora"));
    cmdLogo->setEnabled(false);
    cmdLogo->setCursor(Qt::ArrowCursor);
    place(cmdLogo, 135, 90, 9960, 1365);

    picScroll = new Panel(picPulsanti, Colors::Navy);
    place(picScroll, 135, 1530, 9960, 375);
    picFlash = new QLabel(picScroll);
    picFlash->setPixmap(MenuPictures::menuBanner(tw(18435), tw(270)));
    picFlash->setAccessibleName(MenuPictures::menuBannerText());
    place(picFlash, kBannerStart, kBannerTop, 18435, 270);
    bannerLeft_ = kBannerStart;

    Timer1 = new QTimer(this);
    Timer1->setInterval(20);

    cmdBollettini = pictureButton(picPulsanti, Pictures::blankSlip(630, 195),
                                  QStringLiteral("Compilazione e stampa bollettini"));
    place(cmdBollettini, 240, 1980, 9720, 3135);
    lblBollettini = captionLabel(picPulsanti, QStringLiteral("Compilazione e stampa bollettini"));
    place(lblBollettini, 3285, 5180, 3645, 330);

    lblMod = new QLabel(QStringLiteral("Mod. CH 8 TER / QUATER"), picPulsanti);
    lblMod->setAutoFillBackground(true);
    QPalette modPalette = lblMod->palette();
    modPalette.setColor(QPalette::WindowText, vbColor(0x000080));
    modPalette.setColor(QPalette::Window, vbColor(Colors::Navy));
    lblMod->setPalette(modPalette);
    QFont modFont(QStringLiteral("Arial"));
    modFont.setPointSizeF(8.25);
    lblMod->setFont(modFont);
    place(lblMod, 240, 5180, 1830, 210);

    cmdAnagrafica = pictureButton(picPulsanti, MenuPictures::people(90, 86), QStringLiteral("Anagrafica"));
    place(cmdAnagrafica, 225, 5700, 2820, 1650);
    cmdCausali = pictureButton(picPulsanti, MenuPictures::parcel(67, 64), QStringLiteral("Archivio causali"));
    place(cmdCausali, 3690, 5700, 2820, 1650);
    cmdRiepilogo = pictureButton(picPulsanti, Pictures::banknotes(99, 98), QStringLiteral("Riepilogo versamenti"));
    place(cmdRiepilogo, 7155, 5700, 2820, 1650);

    lblAnagrafica = captionLabel(picPulsanti, QStringLiteral("Anagrafica"));
    place(lblAnagrafica, 225, 7400, 2820, 330);
    lblCausali = captionLabel(picPulsanti, QStringLiteral("Archivio causali"));
    place(lblCausali, 3690, 7400, 2820, 330);
    lblRiepilogo = captionLabel(picPulsanti, QStringLiteral("Riepilogo versamenti"));
    place(lblRiepilogo, 7155, 7400, 2820, 330);

    picControlli = new Panel(picContainer, Colors::White);
    place(picControlli, 10530, 45, 645, 7935);

    imgGuida = toolPicture(picControlli, Pictures::questionSign(tw(kGuidaWidth), tw(kGuidaHeight)),
                           QStringLiteral(" Guida "));
    place(imgGuida, kGuidaLeft, kGuidaTop, kGuidaWidth, kGuidaHeight);

    imgEsci = toolPicture(picControlli, Pictures::redCross(tw(kEsciWidth), tw(kEsciHeight)), QStringLiteral(" Esci "));
    place(imgEsci, kEsciLeft, kEsciTop, kEsciWidth, kEsciHeight);

    // The source of the tiled background.
    P = new QLabel(this);
    P->setPixmap(MenuPictures::backgroundTile());

    setTabOrder(cmdBollettini, cmdAnagrafica);
    setTabOrder(cmdAnagrafica, cmdCausali);
    setTabOrder(cmdCausali, cmdRiepilogo);
    wire();
    Timer1->start();
}

void frmMenu::wire() {
    connect(cmdBollettini, &QAbstractButton::clicked, this, [this] { cmdBollettini_Click(); });
    connect(cmdAnagrafica, &QAbstractButton::clicked, this, [this] { cmdAnagrafica_Click(); });
    connect(cmdCausali, &QAbstractButton::clicked, this, [this] { cmdCausali_Click(); });
    connect(cmdRiepilogo, &QAbstractButton::clicked, this, [this] { cmdRiepilogo_Click(); });
    lblBollettini->MouseDown = [this](Qt::MouseButton b) { lblBollettini_MouseDown(b); };
    lblBollettini->MouseUp = [this](Qt::MouseButton b) { lblBollettini_MouseUp(b); };
    lblAnagrafica->MouseDown = [this](Qt::MouseButton b) { lblAnagrafica_MouseDown(b); };
    lblAnagrafica->MouseUp = [this](Qt::MouseButton b) { lblAnagrafica_MouseUp(b); };
    lblCausali->MouseDown = [this](Qt::MouseButton b) { lblCausali_MouseDown(b); };
    lblCausali->MouseUp = [this](Qt::MouseButton b) { lblCausali_MouseUp(b); };
    lblRiepilogo->MouseDown = [this](Qt::MouseButton b) { lblRiepilogo_MouseDown(b); };
    lblRiepilogo->MouseUp = [this](Qt::MouseButton b) { lblRiepilogo_MouseUp(b); };
    imgGuida->MouseDown = [this](Qt::MouseButton b) { imgGuida_MouseDown(b); };
    imgGuida->MouseUp = [this](Qt::MouseButton b) { imgGuida_MouseUp(b); };
    imgEsci->MouseDown = [this](Qt::MouseButton b) { imgEsci_MouseDown(b); };
    imgEsci->MouseUp = [this](Qt::MouseButton b) { imgEsci_MouseUp(b); };
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
}

// ---------------------------------------------------------------- background and banner

void frmMenu::Form_Load() {
    P->adjustSize();
    P->setVisible(false);
    tileWidth_ = static_cast<qint16>(P->pixmap().width());
    tileHeight_ = static_cast<qint16>(P->pixmap().height());
}

void frmMenu::Form_Resize() {
    // Whole twips, halved with the fraction dropped: a window smaller than
    // the panel gives negative offsets.
    const int top = (height() * kTwipsPerPixel - picContainer->height() * kTwipsPerPixel) / 2;
    const int left = (width() * kTwipsPerPixel - picContainer->width() * kTwipsPerPixel) / 2;
    setContainerPosition(left, top);
    // The outer size, border and title bar included.
    windowHeight_ = frameGeometry().height();
    windowWidth_ = frameGeometry().width();
}

void frmMenu::setContainerPosition(int left, int top) {
    containerLeft_ = left;
    containerTop_ = top;
    picContainer->move(pixels(left), pixels(top));
}

void frmMenu::Form_Paint(QPainter& surface) {
    if (tileWidth_ <= 0 || tileHeight_ <= 0)
        return;
    const QPixmap tile = P->pixmap();
    const int bottom = windowHeight_;
    const int right = windowWidth_;
    for (int y = 0; y <= bottom; y += tileHeight_)
        for (int x = 0; x <= right; x += tileWidth_)
            surface.drawPixmap(x, y, tile, 0, 0, tileWidth_, tileHeight_);
}

void frmMenu::resizeEvent(QResizeEvent* event) {
    Form::resizeEvent(event);
    Form_Resize();
}

void frmMenu::paintEvent(QPaintEvent*) {
    QPainter surface(this);
    Form_Paint(surface);
}

void frmMenu::setBannerLeft(int twips) {
    bannerLeft_ = twips;
    picFlash->move(pixels(twips), tw(kBannerTop));
}

void frmMenu::Timer1_Timer() {
    int left = bannerLeft_;
    if (left < kBannerGone)
        left = kBannerReenter;
    setBannerLeft(left - kBannerStep);
}

// ---------------------------------------------------------------- the four choices

void frmMenu::cmdBollettini_Click() {
    Forms::get<frmSelezione>().Show();
    Unload();
}

void frmMenu::cmdAnagrafica_Click() { Forms::get<frmMenuAnagrafica>().ShowModal(); }

void frmMenu::cmdCausali_Click() {
    Forms::get<frmCausali>().ShowModal();
}

void frmMenu::cmdRiepilogo_Click() {
    Forms::get<frmSelezione01>().Show();
    Unload();
}

void frmMenu::lblBollettini_MouseDown(Qt::MouseButton) { lblBollettini->setBackColor(Colors::DarkRed); }

void frmMenu::lblBollettini_MouseUp(Qt::MouseButton) {
    lblBollettini->setBackColor(Colors::Navy);
    cmdBollettini_Click();
}

void frmMenu::lblAnagrafica_MouseDown(Qt::MouseButton) { lblAnagrafica->setBackColor(Colors::DarkRed); }

void frmMenu::lblAnagrafica_MouseUp(Qt::MouseButton) {
    lblAnagrafica->setBackColor(Colors::Navy);
    cmdAnagrafica_Click();
}

void frmMenu::lblCausali_MouseDown(Qt::MouseButton) { lblCausali->setBackColor(Colors::DarkRed); }

void frmMenu::lblCausali_MouseUp(Qt::MouseButton) {
    lblCausali->setBackColor(Colors::Navy);
    cmdCausali_Click();
}

void frmMenu::lblRiepilogo_MouseDown(Qt::MouseButton) { lblRiepilogo->setBackColor(Colors::DarkRed); }

void frmMenu::lblRiepilogo_MouseUp(Qt::MouseButton) {
    lblRiepilogo->setBackColor(Colors::Navy);
    cmdRiepilogo_Click();
}

// ---------------------------------------------------------------- help and exit

void frmMenu::imgGuida_MouseDown(Qt::MouseButton) {
    showPressed(imgGuida, kGuidaLeft, kGuidaTop, true);
}

void frmMenu::imgGuida_MouseUp(Qt::MouseButton) {
    showPressed(imgGuida, kGuidaLeft, kGuidaTop, false);
    ShowHelpTopic(HelpCatalogue::Overview());
}

void frmMenu::imgEsci_MouseDown(Qt::MouseButton) {
    showPressed(imgEsci, kEsciLeft, kEsciTop, true);
}

void frmMenu::imgEsci_MouseUp(Qt::MouseButton) {
    showPressed(imgEsci, kEsciLeft, kEsciTop, false);
    Unload();
    platform::program().end();
}
